#pragma once
// Every key of the settings file, each declared once. A window keeps its settings in a
// plain struct of values, and a table says where each value lives: its section and key,
// the struct member it fills, and what a missing or unreadable key gives. A window reads
// and writes its table in the table's order, which is the order of the keys in the file
// that window writes, so the file keeps its layout.
#include <array>
#include <cstddef>
#include <string>
#include <variant>

namespace pelbrix {

// One key: integers are written in decimal, booleans as "1" and "0", text as it is.
template <typename Values>
struct SettingsKey {
  template <typename T, typename Default = T>
  struct Field {
    T Values::*member;
    Default def;
  };

  constexpr SettingsKey(const char* section, const char* key, int Values::*member, int def)
      : section(section), key(key), field(Field<int>{member, def}) {}
  constexpr SettingsKey(const char* section, const char* key, bool Values::*member, bool def)
      : section(section), key(key), field(Field<bool>{member, def}) {}
  constexpr SettingsKey(const char* section, const char* key, std::string Values::*member,
                        const char* def)
      : section(section), key(key), field(Field<std::string, const char*>{member, def}) {}

  const char* section;
  const char* key;
  std::variant<Field<int>, Field<bool>, Field<std::string, const char*>> field;
};

template <typename Values, std::size_t N>
using SettingsTable = std::array<SettingsKey<Values>, N>;

// The main window's corner on the screen, which the splash screen covers too.
struct MainWindowPosition {
  int Top, Left;
};
inline constexpr SettingsTable<MainWindowPosition, 2> kMainWindowPositionKeys = {{
    {"Main", "Top", &MainWindowPosition::Top, 0},
    {"Main", "Left", &MainWindowPosition::Left, 0},
}};

// The main window's page in front and its laws' Solve for buttons; restoring them in
// table order lets the last button that reads true win in its group. The ideal gas law page
// also keeps its units, the index of its checked Units button.
struct MainWindowChoices {
  int LastPage;
  bool RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton7, RadioButton8,
      RadioButton9, RadioButton10, RadioButton11, RadioButton12, RadioButton13;
  int Units;  // [Ideal]: 0 to 3, the Units buttons in order
};
inline constexpr SettingsTable<MainWindowChoices, 13> kMainWindowChoiceKeys = {{
    {"Main", "LastPage", &MainWindowChoices::LastPage, 0},
    {"Boyle", "Volume", &MainWindowChoices::RadioButton1, true},
    {"Boyle", "Pressure", &MainWindowChoices::RadioButton2, false},
    {"Charles", "Volume", &MainWindowChoices::RadioButton3, true},
    {"Charles", "Temperature", &MainWindowChoices::RadioButton4, false},
    {"Combo", "Volume", &MainWindowChoices::RadioButton7, true},
    {"Combo", "Pressure", &MainWindowChoices::RadioButton8, false},
    {"Combo", "Temperature", &MainWindowChoices::RadioButton9, false},
    {"Ideal", "Pressure", &MainWindowChoices::RadioButton10, true},
    {"Ideal", "Volume", &MainWindowChoices::RadioButton11, false},
    {"Ideal", "Moles", &MainWindowChoices::RadioButton12, false},
    {"Ideal", "Temperature", &MainWindowChoices::RadioButton13, false},
    {"Ideal", "Units", &MainWindowChoices::Units, 0},
}};

// The options dialog's boxes and the state of its controls. AniInterval comes last, so an
// animation that the restored boxes start runs at the designed interval.
struct OptionsChoices {
  bool ShowTray, AniTray, AniTrayEn, IntEditEn, Label1Avail, Label2Avail, Label3Avail;
  std::string AniInterval;
};
inline constexpr SettingsTable<OptionsChoices, 8> kOptionsKeys = {{
    {"Options", "ShowTray", &OptionsChoices::ShowTray, true},
    {"Options", "AniTray", &OptionsChoices::AniTray, false},
    {"Options", "AniTrayEn", &OptionsChoices::AniTrayEn, true},
    {"Options", "IntEditEn", &OptionsChoices::IntEditEn, false},
    {"Options", "Label1Avail", &OptionsChoices::Label1Avail, false},
    {"Options", "Label2Avail", &OptionsChoices::Label2Avail, false},
    {"Options", "Label3Avail", &OptionsChoices::Label3Avail, false},
    {"Options", "AniInterval", &OptionsChoices::AniInterval, "3"},
}};

// A rate window's page in front and its Solve for buttons, four on each page; by default
// each page's fourth button is checked, as the windows are designed.
struct RateWindowChoices {
  int LastPage;
  bool RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, RadioButton6,
      RadioButton7, RadioButton8;
};
inline constexpr SettingsTable<RateWindowChoices, 9> kBoyleRateKeys = {{
    {"BoyleTrend", "LastPage", &RateWindowChoices::LastPage, 0},
    {"BoyleTrend", "VolumeS", &RateWindowChoices::RadioButton1, false},
    {"BoyleTrend", "PressureS", &RateWindowChoices::RadioButton2, false},
    {"BoyleTrend", "RoVS", &RateWindowChoices::RadioButton3, false},
    {"BoyleTrend", "RoPS", &RateWindowChoices::RadioButton4, true},
    {"BoyleTrend", "VolumeM", &RateWindowChoices::RadioButton5, false},
    {"BoyleTrend", "PressureM", &RateWindowChoices::RadioButton6, false},
    {"BoyleTrend", "RoVM", &RateWindowChoices::RadioButton7, false},
    {"BoyleTrend", "RoPM", &RateWindowChoices::RadioButton8, true},
}};
inline constexpr SettingsTable<RateWindowChoices, 9> kCharlesRateKeys = {{
    {"CharlesTrend", "LastPage", &RateWindowChoices::LastPage, 0},
    {"CharlesTrend", "VolumeS", &RateWindowChoices::RadioButton1, false},
    {"CharlesTrend", "TemperatureS", &RateWindowChoices::RadioButton2, false},
    {"CharlesTrend", "RoVS", &RateWindowChoices::RadioButton3, false},
    {"CharlesTrend", "RoTS", &RateWindowChoices::RadioButton4, true},
    {"CharlesTrend", "VolumeM", &RateWindowChoices::RadioButton5, false},
    {"CharlesTrend", "TemperatureM", &RateWindowChoices::RadioButton6, false},
    {"CharlesTrend", "RoVM", &RateWindowChoices::RadioButton7, false},
    {"CharlesTrend", "RoTM", &RateWindowChoices::RadioButton8, true},
}};

}  // namespace pelbrix
