// The system calls on Linux and other POSIX systems. Each goes straight to the C library,
// so a preloaded library watching the calls on the settings file sees every one of them.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <random>
#include <thread>

#include <QtGlobal>

#include "core/System.h"

namespace pelbrix::sys {
namespace {

bool failed(Failure& why) {
  why.reason = std::strerror(errno);
  why.missing = errno == ENOENT;
  return false;
}

Status statusOf(const struct stat& st) {
  Status out;
  out.kind = S_ISREG(st.st_mode)   ? Kind::Regular
             : S_ISDIR(st.st_mode) ? Kind::Folder
             : S_ISLNK(st.st_mode) ? Kind::Link
                                   : Kind::Other;
  out.size = static_cast<std::uintmax_t>(st.st_size);
  out.mode = st.st_mode & 07777;
  out.owner = st.st_uid;
  out.group = st.st_gid;
  out.links = st.st_nlink;
  return out;
}

int fd(std::intptr_t handle) {
  return static_cast<int>(handle);
}

}  // namespace

std::uint64_t currentUser() {
  return ::geteuid();
}

File File::openForReading(const std::string& path, bool followLink, Failure& why) {
  const int f =
      ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
  if (f < 0) failed(why);
  return File(f);
}

File File::createUnique(std::string& pathTemplate, Failure& why) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    for (std::size_t k = pathTemplate.size() - 6; k < pathTemplate.size(); ++k)
      pathTemplate[k] = kLetters[random() % (sizeof kLetters - 1)];
    // The program's own exclusive open rather than mkstemp's, which the C library makes
    // internally: a preloaded library watching the calls on the settings file sees this one.
    const int f = ::open(pathTemplate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (f >= 0) return File(f);
    if (errno != EEXIST) {
      failed(why);
      return File();
    }
  }
  why.reason = std::strerror(EEXIST);
  return File();
}

bool File::status(Status& st, Failure& why) const {
  struct stat s {};
  if (::fstat(fd(handle_), &s) != 0) return failed(why);
  st = statusOf(s);
  return true;
}

long long File::read(char* buffer, std::size_t size, Failure& why) {
  for (;;) {
    const ssize_t n = ::read(fd(handle_), buffer, size);
    if (n >= 0) return n;
    if (errno != EINTR) {
      failed(why);
      return -1;
    }
  }
}

bool File::writeAll(std::string_view data, Failure& why) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd(handle_), data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return failed(why);
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool File::lock(bool wait) {
  return ::flock(fd(handle_), LOCK_EX | (wait ? 0 : LOCK_NB)) == 0;
}

bool File::setMode(unsigned mode, Failure& why) {
  return ::fchmod(fd(handle_), static_cast<mode_t>(mode)) == 0 || failed(why);
}

void File::setOwner(std::uint64_t owner, std::uint64_t group) {
  // Root may give the file to anyone; another user only to a group of theirs.
  if (::fchown(fd(handle_), static_cast<uid_t>(owner), static_cast<gid_t>(group)) != 0)
    (void)::fchown(fd(handle_), static_cast<uid_t>(-1), static_cast<gid_t>(group));
}

bool File::flush(Failure& why) {
  return ::fsync(fd(handle_)) == 0 || failed(why);
}

bool File::renameOver(const std::string& from, const std::string& to, Failure& why) {
  // Open files never stand in a rename's way here.
  return ::rename(from.c_str(), to.c_str()) == 0 || failed(why);
}

void File::syncRename(const std::string& folder) {
  // The rename is a change of the folder, on the disk once the folder is.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

bool File::close() {
  if (handle_ == kNone) return true;
  const bool closed = ::close(fd(handle_)) == 0;
  handle_ = kNone;
  return closed;
}

namespace {
// Opens or creates the lock file; for reading, which is all a lock needs, so the file of a
// user sharing the folder serves too. An existing one is opened without O_CREAT, which the
// kernel's protection of files in sticky folders would refuse.
int openLockFile(const std::string& path, Failure& why) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    int f = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (f < 0 && errno == ENOENT)
      f = ::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                 static_cast<mode_t>(newFileMode()));
    if (f >= 0) return f;
    if (errno != EEXIST && errno != ENOENT) {
      failed(why);
      return -1;
    }
  }
  why.reason = std::strerror(EAGAIN);
  return -1;
}
}  // namespace

bool FileLock::take(const std::string& path, std::chrono::milliseconds wait, Failure& why) {
  release();
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const int f = openLockFile(path, why);
    if (f < 0) return false;
    File file(f);
    struct stat held {};
    if (::fstat(f, &held) != 0) return failed(why);
    if (!S_ISREG(held.st_mode)) {
      why.reason = "its lock file " + path + " is not a regular file";
      return false;
    }
    while (!file.lock(false)) {
      if (errno != EWOULDBLOCK && errno != EINTR) return failed(why);
      if (std::chrono::steady_clock::now() >= deadline) {
        why.reason =
            QT_TRANSLATE_NOOP("SettingsStore", "another copy of Pelbrix kept the settings locked");
        return false;
      }
      pause(std::chrono::milliseconds(20));
    }
    // The holder before removed the file as it let go: then this lock guards nothing, and
    // the name is tried afresh, within the same time.
    struct stat named {};
    if (::lstat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
        named.st_ino == held.st_ino) {
      file_ = std::move(file);
      path_ = path;
      return true;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      why.reason =
          QT_TRANSLATE_NOOP("SettingsStore", "another copy of Pelbrix kept the settings locked");
      return false;
    }
  }
}

void FileLock::release() {
  if (!file_.isOpen()) return;
  // Removed while still held, so whoever opened it meanwhile finds it gone and starts again.
  ::unlink(path_.c_str());
  file_.close();
}

bool lookAt(const std::string& path, bool followLink, Status& st, Failure& why) {
  struct stat s {};
  if ((followLink ? ::stat(path.c_str(), &s) : ::lstat(path.c_str(), &s)) != 0) return failed(why);
  st = statusOf(s);
  return true;
}

bool readLink(const std::string& path, std::string& target, Failure& why) {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer);
  if (n < 0) return failed(why);
  if (static_cast<std::size_t>(n) == sizeof buffer) {
    why.reason = std::strerror(ENAMETOOLONG);
    return false;
  }
  target.assign(buffer, static_cast<std::size_t>(n));
  return true;
}

bool removeFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}

bool makeFolder(const std::string& path) {
  return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

bool mayWrite(const std::string& path, bool search) {
  return ::access(path.c_str(), W_OK | (search ? X_OK : 0)) == 0;
}

bool mayRead(const std::string& path) {
  return ::access(path.c_str(), R_OK) == 0;
}

unsigned newFileMode() {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return 0666 & ~mask;
}

void removeUnlockedFiles(const std::string& folder,
                         const std::function<bool(std::string_view name)>& isCandidate) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const int dirFd = ::dirfd(dir);
  while (const dirent* entry = ::readdir(dir)) {
    if (!isCandidate(entry->d_name)) continue;
    struct stat st {};
    if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid())
      continue;
    const int f = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (f < 0) continue;
    if (::flock(f, LOCK_EX | LOCK_NB) == 0) ::unlinkat(dirFd, entry->d_name, 0);
    ::close(f);
  }
  ::closedir(dir);
}

void pause(std::chrono::milliseconds time) {
  std::this_thread::sleep_for(time);
}

std::string systemConfigFolder() {
  return {};
}

bool inInstalledProgramsFolder(const std::string&) {
  return false;
}

}  // namespace pelbrix::sys
