#pragma once
// The settings store the windows are given: where the file lives (the path rule) and the
// reader/writer behind it. A window reads its keys in one load pass and writes them in
// one save pass; a save pass that fails is reported once per run, naming the file, and
// the program goes on.
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/IniFile.h"
#include "core/SettingsKeys.h"

namespace pelbrix {

class MessageDisplay;

class SettingsStore {
 public:
  // A pass reads from or writes to the file its path rule names for it; the two may
  // differ (reading an older file until one of the writer's own exists).
  enum class Pass { Load, Save };
  // The file a pass goes to, and for a save that must not touch it, why.
  struct Target {
    Target(std::string file) : path(std::move(file)) {}  // a rule may give just the path
    std::string path;
    std::string refusal;
  };
  using PathRule = std::function<Target(Pass)>;

  // `pathRule` is asked afresh for every pass; `failures` is told of a failed save.
  SettingsStore(PathRule pathRule, MessageDisplay& failures);
  // One file for both passes.
  SettingsStore(const std::function<std::string()>& path, MessageDisplay& failures);

  std::string path(Pass pass = Pass::Save) const { return pathRule_(pass).path; }

  // One window's reading: the file is read once, when the pass begins, and every value
  // comes from that look at it.
  class LoadPass {
   public:
    int ReadInteger(std::string_view section, std::string_view key, int def) const {
      return file_.ReadInteger(section, key, def);
    }
    bool ReadBool(std::string_view section, std::string_view key, bool def) const {
      return file_.ReadBool(section, key, def);
    }
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const {
      return file_.ReadString(section, key, def);
    }

    // A window's keys in table order, each from the file or, where the file lacks it, its
    // table default.
    template <typename Values, std::size_t N>
    Values read(const SettingsTable<Values, N>& table) const {
      Values values{};
      for (const SettingsKey<Values>& k : table)
        std::visit([&](const auto& f) { get(k.section, k.key, f.def, values.*f.member); }, k.field);
      return values;
    }

   private:
    friend class SettingsStore;
    explicit LoadPass(const std::string& path) : file_(path) {}
    void get(const char* section, const char* key, int def, int& value) const {
      value = ReadInteger(section, key, def);
    }
    void get(const char* section, const char* key, bool def, bool& value) const {
      value = ReadBool(section, key, def);
    }
    // Out of line: inlined into a table of a struct without text, GCC 12 takes the branch
    // that never runs for a write past the struct's end and warns.
    void get(const char* section, const char* key, const char* def, std::string& value) const;
    IniFile::LoadPass file_;
  };

  // One window's writing: the keys are collected in the window's order and reach the
  // file together at commit(), in one atomic replacement, so a crash leaves either all of
  // them or none.
  class SavePass {
   public:
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // A window's keys in table order.
    template <typename Values, std::size_t N>
    void write(const SettingsTable<Values, N>& table, const Values& values) {
      for (const SettingsKey<Values>& k : table)
        std::visit([&](const auto& f) { put(k.section, k.key, values.*f.member); }, k.field);
    }
    // Writes the collected keys; false (after the report) when the file could not be
    // written, which then is as it was.
    bool commit();

   private:
    friend class SettingsStore;
    explicit SavePass(SettingsStore& store) : store_(store) {}
    void put(const char* section, const char* key, int value) { WriteInteger(section, key, value); }
    void put(const char* section, const char* key, bool value) { WriteBool(section, key, value); }
    // Out of line, as LoadPass::get for text is.
    void put(const char* section, const char* key, const std::string& value);
    struct Entry {
      std::string section, key, value;
    };
    SettingsStore& store_;
    std::vector<Entry> entries_;
  };

  LoadPass load() const { return LoadPass(path(Pass::Load)); }
  SavePass save() { return SavePass(*this); }

 private:
  void reportWriteFailure(const std::string& path, const std::string& reason);
  PathRule pathRule_;
  MessageDisplay& failures_;
  bool failureReported_ = false;
};

}  // namespace pelbrix
