#include "core/IniFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>

#include "core/System.h"

namespace pelbrix {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// One line of the file: where it starts, where its text ends (before "\r\n" or "\n"),
// and where the next line starts. Lines are found one at a time, never all at once, so a
// file of millions of empty lines costs no memory beyond its own bytes.
struct Line {
  std::size_t begin, textEnd, next;
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A UTF-8 byte-order mark belongs to no line's text.
std::size_t firstLineStart(std::string_view content) {
  return content.substr(0, 3) == kByteOrderMark ? 3 : 0;
}

// The line that starts at `pos`, which is below content.size().
Line lineAt(std::string_view content, std::size_t pos) {
  const void* nl = std::memchr(content.data() + pos, '\n', content.size() - pos);
  const std::size_t textEnd =
      nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - content.data()) : content.size();
  const std::size_t next = nl ? textEnd + 1 : content.size();
  Line line{pos, textEnd, next};
  if (line.textEnd > pos && content[line.textEnd - 1] == '\r') --line.textEnd;
  return line;
}

std::string_view textOf(std::string_view content, const Line& line) {
  return content.substr(line.begin, line.textEnd - line.begin);
}

bool sectionName(std::string_view text, std::string_view& name) {
  std::size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  if (start == text.size() || text[start] != '[') return false;
  std::string_view t = text.substr(start + 1);
  const auto close = t.find(']');
  name = trim(close == std::string_view::npos ? t : t.substr(0, close));
  return true;
}

bool keyOf(std::string_view text, std::string_view& key, std::size_t& equals) {
  equals = text.find('=');
  if (equals == std::string_view::npos) return false;
  key = trim(text.substr(0, equals));
  return true;
}

// Where the line holding position `at` starts; `floor` is a line start at or before it.
std::size_t lineStartOf(std::string_view content, std::size_t floor, std::size_t at) {
  const void* nl = ::memrchr(content.data() + floor, '\n', at - floor);
  return nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - content.data()) + 1 : floor;
}

// The first line in [pos, end) (pos a line start) whose text has `mark` first among the
// characters that `qualifies` accepts: the next section header for '[' after blanks, the
// next key line for '=' anywhere. The search jumps from mark to mark with memchr rather
// than walking line by line, so a file of millions of lines without one costs one pass
// at memory speed; each line is looked at once at most.
template <typename Qualifies>
bool nextLineWith(std::string_view content, std::size_t pos, std::size_t end, char mark,
                  Qualifies qualifies, Line& found) {
  while (pos < end) {
    const void* hit = std::memchr(content.data() + pos, mark, end - pos);
    if (!hit) return false;
    const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(hit) - content.data());
    const Line line = lineAt(content, lineStartOf(content, pos, at));
    // The mark is the first of its kind on this line: none lay between pos and it.
    if (qualifies(content.substr(line.begin, at - line.begin))) {
      found = line;
      return true;
    }
    pos = line.next;
  }
  return false;
}

bool onlyBlanks(std::string_view s) {
  for (char c : s)
    if (!isBlank(c)) return false;
  return true;
}

bool nextSectionLine(std::string_view content, std::size_t pos, Line& found) {
  return nextLineWith(content, pos, content.size(), '[', onlyBlanks, found);
}

// The first section named `section`: its header line, and the end of its body (where the
// next section's header starts, or the end of the file).
bool findSection(std::string_view content, std::string_view section, Line& header,
                 std::size_t& end) {
  Line line{};
  for (std::size_t pos = firstLineStart(content); nextSectionLine(content, pos, line);
       pos = line.next) {
    std::string_view name;
    if (!sectionName(textOf(content, line), name) || !sameName(name, section)) continue;
    header = line;
    Line following{};
    end = nextSectionLine(content, line.next, following) ? following.begin : content.size();
    return true;
  }
  return false;
}

// The first line of [begin, end) that sets `key`, and where its '=' stands.
bool findKey(std::string_view content, std::size_t begin, std::size_t end, std::string_view key,
             Line& found, std::size_t& equals) {
  Line line{};
  const auto any = [](std::string_view) { return true; };
  for (std::size_t pos = begin; nextLineWith(content, pos, end, '=', any, line); pos = line.next) {
    std::string_view name;
    if (keyOf(textOf(content, line), name, equals) && sameName(name, key)) {
      found = line;
      return true;
    }
  }
  return false;
}

std::string lineEndOf(std::string_view content) {
  const auto nl = content.find('\n');
  return (nl != std::string_view::npos && nl > 0 && content[nl - 1] == '\r') ? "\r\n" : "\n";
}

std::string errnoText(int err) {
  return std::strerror(err);
}

// Write bits for nobody means read-only, even for a user (such as root) who could
// write it anyway.
bool hasNoWriteBits(const struct stat& st) {
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// New files get the permissions the user's umask allows, as any other program's would.
mode_t newFileMode() {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return 0666 & ~mask;
}

enum class Look { Found, Missing, Failed };

// Reads the whole file into `content`. Only "no such file" is missing. Anything but a
// regular file (a folder, a pipe that would block start-up), a file too large to be
// settings, and a read error part way through are failures, so that a save never
// replaces a file it has only half seen.
Look readSettings(const std::string& path, bool followLinks, std::string& content,
                  std::string& reason, mode_t& mode) {
  const int fd =
      ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW));
  if (fd < 0) {
    reason = errnoText(errno);
    return errno == ENOENT ? Look::Missing : Look::Failed;
  }
  auto fail = [&](std::string why) {
    ::close(fd);
    reason = std::move(why);
    return Look::Failed;
  };
  struct stat st {};
  if (::fstat(fd, &st) != 0) return fail(errnoText(errno));
  if (!S_ISREG(st.st_mode)) return fail("it is not a regular file");
  const std::string tooLarge = "it is larger than " + std::to_string(kIniMaxFileSize >> 20) +
                               " MiB and is taken to be damaged";
  if (static_cast<std::uintmax_t>(st.st_size) > kIniMaxFileSize) return fail(tooLarge);
  std::string out;
  out.reserve(static_cast<std::size_t>(st.st_size));
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errnoText(errno));
    }
    out.append(chunk, static_cast<std::size_t>(n));
    // The file may have grown since fstat.
    if (out.size() > kIniMaxFileSize) return fail(tooLarge);
  }
  ::close(fd);
  content = std::move(out);
  mode = st.st_mode & 07777;
  return Look::Found;
}

// Follows symbolic links from `path` to the name a save replaces, so that the links
// survive it; a link to nothing yet leads to the name its target is to be created under.
Look resolveTarget(const std::string& path, std::string& target, struct stat& st, int& err) {
  std::string name = path;
  for (int hops = 0; hops <= 40; ++hops) {
    if (::lstat(name.c_str(), &st) != 0) {
      err = errno;
      target = name;
      return err == ENOENT ? Look::Missing : Look::Failed;
    }
    if (!S_ISLNK(st.st_mode)) {
      target = name;
      return Look::Found;
    }
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(name.c_str(), buffer, sizeof buffer);
    if (n < 0 || static_cast<std::size_t>(n) == sizeof buffer) {
      err = n < 0 ? errno : ENAMETOOLONG;
      return Look::Failed;
    }
    const std::string link(buffer, static_cast<std::size_t>(n));
    name = (link.empty() || link.front() == '/') ? link : folderOf(name) + "/" + link;
  }
  err = ELOOP;
  return Look::Failed;
}

// Temporary files of ours beside the settings file that no save is writing any more:
// a save holds a lock on its temporary file until it has renamed it, and the lock dies
// with the process. Only regular files of the user's own are touched.
void removeOrphans(const std::string& folder, const std::string& fileName) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const int dirFd = ::dirfd(dir);
  while (const dirent* entry = ::readdir(dir)) {
    if (!ini::isTemporaryName(fileName, entry->d_name)) continue;
    struct stat st {};
    if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid())
      continue;
    const int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlinkat(dirFd, entry->d_name, 0);
    ::close(fd);
  }
  ::closedir(dir);
}

// Writes `content` to a temporary file beside `path`, flushes it to disk and renames it
// over `path`, so the file is always either the old one or the new one, never a mix.
bool replaceFile(const std::string& path, const std::string& content, mode_t mode,
                 std::string& reason) {
  std::string name;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    name = path + ".XXXXXX";
    fd = createUniqueFile(name);
    if (fd < 0) {
      reason = errnoText(errno);
      return false;
    }
    // Locked until renamed, so no other save takes it for an orphan. One that did so
    // between the open and the lock has already removed it: start again.
    struct stat st {};
    if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0) {
      ::close(fd);
      fd = -1;
    }
  }
  if (fd < 0) {
    reason = "no temporary file could be created beside it";
    return false;
  }
  auto fail = [&](int err) {
    ::unlink(name.c_str());
    ::close(fd);
    reason = errnoText(err);
    return false;
  };
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return fail(errno);
  if (::rename(name.c_str(), path.c_str()) != 0) return fail(errno);
  // The data reached the disk with fsync; closing releases the lock.
  ::close(fd);
  // The rename itself reaches the disk only with its folder.
  const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace

namespace ini {

bool lookup(std::string_view content, std::string_view section, std::string_view key,
            std::string& value) {
  Line header{}, found{};
  std::size_t end = 0, equals = 0;
  if (!findSection(content, section, header, end) ||
      !findKey(content, header.next, end, key, found, equals))
    return false;
  value = std::string(trim(textOf(content, found).substr(equals + 1)));
  return true;
}

std::string update(std::string_view content, std::string_view section, std::string_view key,
                   std::string_view value) {
  const std::string eol = lineEndOf(content);
  std::string out;
  Line header{};
  std::size_t end = 0;
  if (!findSection(content, section, header, end)) {
    out = std::string(content);
    if (firstLineStart(content) < content.size() && content.back() != '\n') out += eol;
    out.append("[").append(section).append("]").append(eol);
    out.append(key).append("=").append(value).append(eol);
    return out;
  }
  Line found{};
  std::size_t equals = 0;
  if (findKey(content, header.next, end, key, found, equals)) {
    const std::size_t valueStart = found.begin + equals + 1;
    out.reserve(content.size() + value.size());
    out.append(content.substr(0, valueStart)).append(value);
    out.append(content.substr(found.textEnd));
    return out;
  }
  // A new key goes after the section's last non-blank line: the one holding the body's
  // last character that is neither a blank nor a line end.
  Line anchor = header;
  std::size_t last = end;
  while (last > header.next &&
         (isBlank(content[last - 1]) || content[last - 1] == '\r' || content[last - 1] == '\n'))
    --last;
  if (last > header.next) anchor = lineAt(content, lineStartOf(content, header.next, last - 1));
  out.reserve(content.size() + key.size() + value.size() + 4);
  out.append(content.substr(0, anchor.next));
  // The anchor was the last line and had no line end (perhaps a lone '\r').
  if (anchor.next == content.size() && content.back() != '\n') out += eol;
  out.append(key).append("=").append(value).append(eol);
  out.append(content.substr(anchor.next));
  return out;
}

bool parseInt32(std::string_view text, int& out) {
  text = trim(text);
  if (text.empty()) return false;
  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  long long v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) return false;
  }
  if (negative) v = -v;
  if (v > 2147483647LL || v < -2147483648LL) return false;
  out = static_cast<int>(v);
  return true;
}

bool isTemporaryName(std::string_view fileName, std::string_view name) {
  if (fileName.empty() || name.size() != fileName.size() + 7 || !name.starts_with(fileName) ||
      name[fileName.size()] != '.')
    return false;
  for (char c : name.substr(fileName.size() + 1))
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  return true;
}

}  // namespace ini

// --- Load pass ------------------------------------------------------------------------

IniFile::LoadPass::LoadPass(const std::string& path) {
  std::string reason;
  mode_t mode = 0;
  read_ = readSettings(path, true, content_, reason, mode) == Look::Found;
  if (!read_) content_.clear();
}

bool IniFile::LoadPass::lookup(std::string_view section, std::string_view key,
                               std::string& value) const {
  if (!cacheValid_ || !sameName(cachedSection_, section)) {
    Line header{};
    cachedFound_ = findSection(content_, section, header, cachedEnd_);
    cachedBegin_ = cachedFound_ ? header.next : 0;
    cachedSection_ = std::string(section);
    cacheValid_ = true;
  }
  Line found{};
  std::size_t equals = 0;
  if (!cachedFound_ || !findKey(content_, cachedBegin_, cachedEnd_, key, found, equals))
    return false;
  value = std::string(trim(textOf(content_, found).substr(equals + 1)));
  return true;
}

int IniFile::LoadPass::ReadInteger(std::string_view section, std::string_view key, int def) const {
  std::string value;
  int result = def;
  if (lookup(section, key, value) && ini::parseInt32(value, result)) return result;
  return def;
}

bool IniFile::LoadPass::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::string IniFile::LoadPass::ReadString(std::string_view section, std::string_view key,
                                          std::string_view def) const {
  std::string value;
  if (lookup(section, key, value)) return value;
  return std::string(def);
}

// --- Save pass ------------------------------------------------------------------------

void IniFile::SavePass::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::SavePass::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::SavePass::WriteString(std::string_view section, std::string_view key,
                                    std::string_view value) {
  // A line break in a value would forge lines of its own.
  std::string clean(value);
  for (char& c : clean)
    if (c == '\r' || c == '\n') c = ' ';
  writes_.push_back({std::string(section), std::string(key), std::move(clean)});
}

bool IniFile::SavePass::Commit() {
  const auto reportFailure = [this](const std::string& path, const std::string& why) {
    if (onWriteFailure_) onWriteFailure_(path, why);
  };
  std::string target, content, reason;
  struct stat st {};
  int err = 0;
  mode_t mode = newFileMode();
  const Look look = resolveTarget(path_, target, st, err);
  if (look == Look::Failed) {
    reportFailure(path_, errnoText(err));
    return false;
  }
  if (look == Look::Found) {
    if (hasNoWriteBits(st)) {
      reportFailure(path_, "the file is read-only");
      return false;
    }
    // A file that exists but cannot be read is never replaced by one that would lack its
    // other lines; one removed since the look above is simply missing.
    if (readSettings(target, false, content, reason, mode) == Look::Failed) {
      reportFailure(path_, "the file cannot be read: " + reason);
      return false;
    }
  }
  const std::string folder = folderOf(target);
  struct stat folderStat {};
  if (::stat(folder.c_str(), &folderStat) == 0 && hasNoWriteBits(folderStat)) {
    reportFailure(path_, "the folder is read-only");
    return false;
  }
  removeOrphans(folder, baseNameOf(target));
  for (const Write& w : writes_) content = ini::update(content, w.section, w.key, w.value);
  if (!replaceFile(target, content, mode, reason)) {
    reportFailure(path_, reason);
    return false;
  }
  writes_.clear();
  return true;
}

// --- One key, one pass ----------------------------------------------------------------

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  return LoadPass(path_).ReadInteger(section, key, def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return LoadPass(path_).ReadBool(section, key, def);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
  return LoadPass(path_).ReadString(section, key, def);
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  SavePass pass(path_, onWriteFailure_);
  pass.WriteInteger(section, key, value);
  return pass.Commit();
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  SavePass pass(path_, onWriteFailure_);
  pass.WriteBool(section, key, value);
  return pass.Commit();
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  SavePass pass(path_, onWriteFailure_);
  pass.WriteString(section, key, value);
  return pass.Commit();
}

}  // namespace pelbrix
