#pragma once
// The calls the program needs from its operating system, so that no other file needs to
// know which system it runs on. System.cpp holds what is the same everywhere;
// SystemPosix.cpp and SystemWindows.cpp hold one system each. Paths are UTF-8 with '/'
// between their parts, on Windows too (its calls take either).
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace pelbrix {

// Reads a number in the "C" locale's notation (digits, '.', exponent), whatever the process
// locale says. `text` holds only such a number. Beyond the range of double it gives
// +/-infinity or 0, as strtod does.
double parseCDecimal(const std::string& text);

// The running executable's full path.
std::string executablePath();

namespace sys {

// Why a call failed, in the system's words, and whether that was "no such file or folder"
// (the only failure that means a file is missing).
struct Failure {
  std::string reason;  // UTF-8, as every text of the program
  bool missing = false;
};

enum class Kind { Regular, Folder, Link, Other };

// What a look at a file tells. Windows has no owners or permission bits of this kind: there
// every file is the user's (owner 0, as currentUser()), 0644 or, marked read-only, 0444, and
// every folder 0755.
struct Status {
  Kind kind = Kind::Other;
  std::uintmax_t size = 0;
  unsigned mode = 0;  // permission bits, 07777
  std::uint64_t owner = 0, group = 0;
  std::uint64_t links = 1;  // names the file has; 0 once it was removed
};

// The user the program runs as.
std::uint64_t currentUser();

// Whether the status's write permission bit for group or others is set.
inline bool writableByOthers(const Status& st) {
  return (st.mode & 022) != 0;
}

// An open file, closed with the object.
class File {
 public:
  File() = default;
  File(File&& other) noexcept : handle_(other.handle_) { other.handle_ = kNone; }
  File& operator=(File&& other) noexcept {
    if (this != &other) {
      close();
      handle_ = other.handle_;
      other.handle_ = kNone;
    }
    return *this;
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File() { close(); }

  bool isOpen() const { return handle_ != kNone; }

  // An existing file, for reading; never waits for a writer of a pipe. With `followLink`
  // false a link at the path's end is not followed (and fails). Windows shares it for
  // reading, writing and deletion, and waits (about 2 s at most) for a process that has it
  // open sharing no reading.
  static File openForReading(const std::string& path, bool followLink, Failure& why);
  // A new, empty file from `pathTemplate`, whose last six characters are "XXXXXX" and are
  // replaced by six letters or digits, readable and writable by its owner only.
  static File createUnique(std::string& pathTemplate, Failure& why);

  bool status(Status& st, Failure& why) const;
  // Up to `size` bytes; 0 at the end, -1 on failure.
  long long read(char* buffer, std::size_t size, Failure& why);
  bool writeAll(std::string_view data, Failure& why);
  // An exclusive lock; with `wait` false, fails at once when another holds one.
  bool lock(bool wait);
  // Permission bits (POSIX: as given; Windows: read-only when no write bit is set).
  bool setMode(unsigned mode, Failure& why);
  // The owner and group, where the process may set them; otherwise they stay the creator's.
  void setOwner(std::uint64_t owner, std::uint64_t group);
  // Until the data is on the disk.
  bool flush(Failure& why);
  // Renames this file, open under the name `from`, over `to` in one step, replacing it. On
  // Windows, where a file that others have open cannot be replaced, it waits for them
  // (about 2 s at most) before it fails.
  bool renameOver(const std::string& from, const std::string& to, Failure& why);
  // Puts the rename above on the disk: POSIX flushes its folder `folder`; Windows flushes
  // this file, which writes out the file system's log that holds the rename.
  void syncRename(const std::string& folder);
  // Closing releases the lock.
  bool close();

 private:
  friend class FileLock;
  static constexpr std::intptr_t kNone = -1;
  explicit File(std::intptr_t handle) : handle_(handle) {}
  std::intptr_t handle_ = kNone;
};

// An exclusive lock on the file `path` (created if need be, never through a link), held
// until the object goes, which removes the file again: none stays behind the saves.
class FileLock {
 public:
  FileLock() = default;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  ~FileLock() { release(); }

  // Waits up to `wait` for another process to release it.
  bool take(const std::string& path, std::chrono::milliseconds wait, Failure& why);
  void release();

 private:
  File file_;
  std::string path_;
};

// Looks at `path`; with `followLink` false a link at its end is looked at itself. Windows
// takes what it can from the name without opening the file (links excepted), since an
// open, however short, keeps another copy from replacing the file at that moment.
bool lookAt(const std::string& path, bool followLink, Status& st, Failure& why);
// What the link at `path` names.
bool readLink(const std::string& path, std::string& target, Failure& why);
bool removeFile(const std::string& path);
// A folder readable, writable and searchable by its owner only; an existing one counts.
bool makeFolder(const std::string& path);
// Whether the process may write (and with `search`, search) `path` by the system's rules.
// Windows reads the access list of folders only: a file's is read by opening the file, so
// there a file counts as writable unless it is marked read-only, and a save that its list
// refuses fails and is reported.
bool mayWrite(const std::string& path, bool search);
// Whether the process may read `path` (Windows: a file that is there, as above).
bool mayRead(const std::string& path);
// The permission bits a new file gets (POSIX: what the umask allows of 0666).
unsigned newFileMode();
// Removes the files in `folder` that are regular, the user's own, accepted by `isCandidate`
// (by name) and locked by no one: left behind by a save that was killed.
void removeUnlockedFiles(const std::string& folder,
                         const std::function<bool(std::string_view name)>& isCandidate);
// Waits a little, for a lock held by another process.
void pause(std::chrono::milliseconds time);

// Where a settings file of a user's own goes when the program's folder is not writable, on
// a system that names that folder itself (Windows: %APPDATA%); "" elsewhere.
std::string systemConfigFolder();
// Whether `folder` lies in the system's folder of installed programs (Windows: Program
// Files), where a program keeps nothing of its own even when it could write there.
bool inInstalledProgramsFolder(const std::string& folder);

}  // namespace sys
}  // namespace pelbrix
