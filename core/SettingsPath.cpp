#include "core/SettingsPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <cstdlib>
#include <utility>

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
bool canWrite(const std::string& path, int extra = 0) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return ::access(path.c_str(), W_OK | extra) == 0;
}

bool exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 || errno != ENOENT;
}

bool isReadableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), R_OK) == 0;
}

bool isAbsolute(const std::string& path) {
  return !path.empty() && path.front() == '/';
}

// $XDG_CONFIG_HOME, else ~/.config, as Qt finds them; a relative $XDG_CONFIG_HOME is
// ignored, as the XDG rules ask. With neither a home nor $XDG_CONFIG_HOME there is no
// such folder (Qt would offer "/.config").
std::string userConfigFolder() {
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
    const std::string part = path.substr(0, pos);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return;
  }
}
// The user's file starts as a copy of the administrator's, so the sections of windows
// the user has not saved yet (and lines Pelbrix does not know) keep their defaults once
// the user's own file exists. Written beside the target and linked into place, so a
// file that appeared meanwhile is never overwritten and none is ever half there.
void seedFrom(const std::string& source, const std::string& target) {
  const int in = ::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (in < 0) return;
  std::string content;
  char chunk[65536];
  struct stat st {};
  bool whole = ::fstat(in, &st) == 0 && S_ISREG(st.st_mode);
  while (whole) {
    const ssize_t n = ::read(in, chunk, sizeof chunk);
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) whole = false;
    if (n > 0) content.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(in);
  if (!whole) return;
  std::string temp = target + ".XXXXXX";
  const int out = createUniqueFile(temp);
  if (out < 0) return;
  // A new file gets what the user's umask allows, as the writer's new files do.
  const mode_t mask = ::umask(022);
  ::umask(mask);
  ::fchmod(out, 0666 & ~mask);
  std::size_t done = 0;
  bool written = true;
  while (written && done < content.size()) {
    const ssize_t n = ::write(out, content.data() + done, content.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) written = false;
    if (n > 0) done += static_cast<std::size_t>(n);
  }
  written = ::fsync(out) == 0 && written;
  written = ::close(out) == 0 && written;
  if (written) (void)::link(temp.c_str(), target.c_str());
  ::unlink(temp.c_str());
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
  facts.besideWritable = canWrite(folderOf(beside), X_OK) &&
                         (!exists(beside) || (canWrite(beside) && facts.besideReadable));
  if (!facts.configFolder.empty())
    facts.perUserExists = exists(perUserSettingsPath(facts.executablePath, facts.configFolder));
  return facts;
}

std::string prepareSettingsWrite(const SettingsLocation& location) {
  if (!location.perUser) return location.writePath;
  createFolders(folderOf(location.writePath));
  if (location.readPath != location.writePath) seedFrom(location.readPath, location.writePath);
  return location.writePath;
}

SettingsStore::PathRule settingsPathRule(std::function<std::string()> executable) {
  return [executable = std::move(executable)](SettingsStore::Pass pass) {
    const SettingsLocation location = resolveSettingsLocation(gatherSettingsFacts(executable()));
    return pass == SettingsStore::Pass::Load ? location.readPath : prepareSettingsWrite(location);
  };
}

}  // namespace pelbrix
