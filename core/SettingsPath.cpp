#include "core/SettingsPath.h"

#include <QDir>
#include <QStandardPaths>
#include <cstdlib>
#include <utility>

#include "core/IniFile.h"
#include "core/System.h"

namespace pelbrix {
namespace {
std::string folderOf(std::string_view path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string_view::npos) return ".";
  return slash == 0 ? std::string("/") : std::string(path.substr(0, slash));
}

std::string nameOf(std::string_view path) {
  const auto slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// The settings writer leaves alone what has no write permission bit at all, even for a
// user (root) whom the system would let write it; so does this test.
bool canWrite(const std::string& path, bool search = false) {
  sys::Status st;
  sys::Failure why;
  if (!sys::lookAt(path, true, st, why)) return false;
  if ((st.mode & 0222) == 0) return false;
  return sys::mayWrite(path, search);
}

bool exists(const std::string& path) {
  sys::Status st;
  sys::Failure why;
  return sys::lookAt(path, true, st, why) || !why.missing;
}

bool isReadableFile(const std::string& path) {
  sys::Status st;
  sys::Failure why;
  return sys::lookAt(path, true, st, why) && st.kind == sys::Kind::Regular && sys::mayRead(path);
}

bool isAbsolute(const std::string& path) {
  return !path.empty() && path.front() == '/';
}

// $XDG_CONFIG_HOME, else ~/.config, as Qt finds them; a relative $XDG_CONFIG_HOME is
// ignored, as the XDG rules ask. With neither a home nor $XDG_CONFIG_HOME there is no
// such folder (Qt would offer "/.config"). A system that names the folder itself
// (Windows: %APPDATA%) is followed.
std::string userConfigFolder() {
  if (std::string own = sys::systemConfigFolder(); !own.empty()) return own;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  const bool xdgUsable = xdg && isAbsolute(xdg);
  const bool homeUsable = home && *home;
  if (xdgUsable) {
    const std::string qt =
        QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .toStdString();
    return isAbsolute(qt) ? qt : std::string(xdg);
  }
  if (!homeUsable) return {};
  return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.config")).toStdString();
}

// Creates each missing folder of `path`, private to the user as configuration is.
void createFolders(const std::string& path) {
  std::string::size_type pos = 1;
  while (pos != std::string::npos) {
    pos = path.find('/', pos + 1);
    if (!sys::makeFolder(path.substr(0, pos))) return;
  }
}

// The per-user folder holds only what the user put there: it is the user's own and no one
// else may write in it. Otherwise another user could plant the settings file there (or a
// link in its place), and a save must not touch it.
std::string unsafeFolderReason(const std::string& folder) {
  sys::Status st;
  sys::Failure why;
  if (!sys::lookAt(folder, true, st, why)) return why.reason;
  if (st.kind != sys::Kind::Folder) return "its folder is not a folder";
  if (st.owner != sys::currentUser()) return "its folder belongs to another user";
  if (sys::writableByOthers(st)) return "its folder can be written by other users";
  return {};
}
}  // namespace

std::string changeFileExt(std::string_view path, std::string_view ext) {
  const auto slash = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  const bool hasExt =
      dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
  std::string out(hasExt ? path.substr(0, dot) : path);
  return out.append(ext);
}

std::string perUserSettingsPath(std::string_view executablePath, std::string_view configFolder) {
  std::string folder(configFolder);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder + "/pelbrix/" + nameOf(changeFileExt(executablePath, ".INI"));
}

SettingsLocation resolveSettingsLocation(const SettingsFacts& facts) {
  const std::string beside = changeFileExt(facts.executablePath, ".INI");
  // With no configuration folder at all the file beside the executable is all there is;
  // a write there fails and is reported like any other.
  if (facts.besideWritable || facts.configFolder.empty()) return {beside, beside, false};
  const std::string own = perUserSettingsPath(facts.executablePath, facts.configFolder);
  const bool fallBack = !facts.perUserExists && facts.besideReadable;
  return {fallBack ? beside : own, own, true};
}

SettingsFacts gatherSettingsFacts(const std::string& executablePath) {
  SettingsFacts facts;
  facts.executablePath = executablePath;
  facts.configFolder = userConfigFolder();
  const std::string beside = changeFileExt(facts.executablePath, ".INI");
  facts.besideReadable = isReadableFile(beside);
  // A write replaces the file through a temporary one in the same folder, and keeps the
  // lines it read: so the folder must be writable, and an existing file readable too.
  // An installed copy in the system's programs folder keeps its settings per user, as the
  // desktop expects, even where that folder lets it write.
  facts.besideWritable = !sys::inInstalledProgramsFolder(folderOf(beside)) &&
                         canWrite(folderOf(beside), true) &&
                         (!exists(beside) || (canWrite(beside) && facts.besideReadable));
  if (!facts.configFolder.empty())
    facts.perUserExists = exists(perUserSettingsPath(facts.executablePath, facts.configFolder));
  return facts;
}

std::string prepareSettingsWrite(const SettingsLocation& location, std::string* refusal) {
  if (!location.perUser) return location.writePath;
  const std::string folder = folderOf(location.writePath);
  createFolders(folder);
  // A folder that could not be created makes the write fail, and the store reports that.
  if (!exists(folder)) return location.writePath;
  if (std::string unsafe = unsafeFolderReason(folder); !unsafe.empty()) {
    if (refusal) *refusal = std::move(unsafe);
    return location.writePath;
  }
  // Under the save's lock and in one step: a file that appeared meanwhile is never
  // replaced, and none is ever half there.
  if (location.readPath != location.writePath) {
    IniFile::SavePass seed(location.writePath);
    seed.SeedFrom(location.readPath);
    seed.Commit();
  }
  return location.writePath;
}

SettingsStore::PathRule settingsPathRule(std::function<std::string()> executable) {
  return [executable = std::move(executable)](SettingsStore::Pass pass) {
    const SettingsLocation location = resolveSettingsLocation(gatherSettingsFacts(executable()));
    if (pass == SettingsStore::Pass::Load) return SettingsStore::Target(location.readPath);
    SettingsStore::Target target(std::string{});
    target.path = prepareSettingsWrite(location, &target.refusal);
    return target;
  };
}

}  // namespace pelbrix
