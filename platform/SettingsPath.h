#pragma once
// Where the settings file lives.
//
// Beside the executable, named after it with ".INI", whenever the user can write it (or
// create it) there: a build, a copy in the user's own folder or a portable copy. An
// installed copy in a folder the user cannot write uses the same-named file in the
// user's configuration folder ($XDG_CONFIG_HOME, else ~/.config, subfolder "pelbrix");
// until that file exists, reads go to the one beside the executable, so an
// administrator's defaults carry over, and the first write creates it. Reads and writes
// can therefore go to different files. The rule is worked out afresh at every access.
#include <optional>
#include <string>
#include <string_view>

namespace pelbrix {

// `path` with the extension of its last component (from its last full stop) replaced
// by `ext`; a name without a full stop gets `ext` appended.
std::string changeFileExt(std::string_view path, std::string_view ext);

// Where one access reads the settings from and where it writes them to.
struct SettingsLocation {
  std::string readPath;
  std::string writePath;
  // writePath lies in the per-user folder, which the first write has to create.
  bool perUser = false;

  bool operator==(const SettingsLocation&) const = default;
};

// What the rule needs to know of the file system at the moment of an access.
struct SettingsFacts {
  std::string executablePath;   // full path of the running program
  std::string configFolder;     // the user's configuration folder; "" when there is none
  bool besideWritable = false;  // the file beside the executable can be written or created
  bool besideReadable = false;  // the file beside the executable exists and can be read
  bool perUserExists = false;   // the per-user file exists (readable or not)
};

// The rule itself, with no access to the file system.
SettingsLocation resolveSettingsLocation(const SettingsFacts& facts);

// The per-user file for an executable: <configFolder>/pelbrix/<name>.INI.
std::string perUserSettingsPath(std::string_view executablePath, std::string_view configFolder);

// Looks at the file system now, for the given executable.
SettingsFacts gatherSettingsFacts(const std::string& executablePath);
// The rule applied to the running program now (or the test override).
SettingsLocation settingsLocation();

// The file a window's load pass reads.
std::string settingsReadPath();
// The file a window's save pass writes. For the per-user file, its folder is created
// first if need be, and a first write starts it as a copy of the file beside the
// executable, so an administrator's other sections carry over too. A folder that
// cannot be created makes the write fail, and the writer reports it.
std::string settingsWritePath();
std::string settingsWritePath(const SettingsLocation& location);

// Tests point the settings file elsewhere (reads and writes alike); std::nullopt goes
// back to the rule above. Returns the override it replaces, so nested redirections can
// be undone in turn.
std::optional<std::string> setSettingsFilePathOverride(std::optional<std::string> path);

}  // namespace pelbrix
