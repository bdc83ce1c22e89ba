#pragma once
// Where the settings file lives.
//
// Beside the executable, named after it with ".INI", whenever the user can write it (or
// create it) there: a build, a copy in the user's own folder or a portable copy. An
// installed copy in a folder the user cannot write uses the same-named file in the
// user's configuration folder ($XDG_CONFIG_HOME, else ~/.config, subfolder "pelbrix");
// until that file exists, reads go to the one beside the executable, so an
// administrator's defaults carry over, and the first write creates it. Reads and writes
// can therefore go to different files. The rule is worked out afresh at every pass.
#include <functional>
#include <string>
#include <string_view>

#include "core/SettingsStore.h"

namespace pelbrix {

// `path` with the extension of its last component (from its last full stop) replaced
// by `ext`; a name without a full stop gets `ext` appended.
std::string changeFileExt(std::string_view path, std::string_view ext);

// Where one pass reads the settings from and where it writes them to.
struct SettingsLocation {
  std::string readPath;
  std::string writePath;
  // writePath lies in the per-user folder, which the first write has to create.
  bool perUser = false;

  bool operator==(const SettingsLocation&) const = default;
};

// What the rule needs to know of the file system at the moment of a pass.
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

// Readies the write side of `location` and returns the file to write. For the per-user
// file, its folder is created first if need be (private to the user), and a first write
// starts it as a copy of the file beside the executable, so an administrator's other
// sections carry over too (unless that is larger than kIniMaxFileSize); an existing
// per-user file is never replaced. A folder that cannot be created makes the write fail,
// and the store reports it. A folder that is not the user's own, or that others may write,
// is not written to: `refusal` then says why.
std::string prepareSettingsWrite(const SettingsLocation& location, std::string* refusal = nullptr);

// The settings store's path rule for the program `executable` names: a load pass reads
// the location's read path, a save pass writes its (readied) write path. Each pass looks
// at the file system once, so one save pass writes one file.
SettingsStore::PathRule settingsPathRule(std::function<std::string()> executable);

}  // namespace pelbrix
