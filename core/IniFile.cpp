#include "core/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

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
// and where the next line starts.
struct Line {
  std::size_t begin, textEnd, next;
};

std::vector<Line> splitLines(std::string_view content) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  // A UTF-8 byte-order mark belongs to no line's text.
  if (content.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;
  while (pos < content.size()) {
    std::size_t nl = content.find('\n', pos);
    std::size_t next = nl == std::string_view::npos ? content.size() : nl + 1;
    std::size_t textEnd = nl == std::string_view::npos ? content.size() : nl;
    if (textEnd > pos && content[textEnd - 1] == '\r') --textEnd;
    lines.push_back({pos, textEnd, next});
    pos = next;
  }
  return lines;
}

bool sectionName(std::string_view text, std::string_view& name) {
  std::string_view t = trim(text);
  if (t.empty() || t.front() != '[') return false;
  t.remove_prefix(1);
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

// Lines [first, last) of the first section named `section`; first is the header line.
bool findSection(std::string_view content, const std::vector<Line>& lines, std::string_view section,
                 std::size_t& first, std::size_t& last) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    const std::string_view text = content.substr(lines[i].begin, lines[i].textEnd - lines[i].begin);
    if (!sectionName(text, name) || !sameName(name, section)) continue;
    first = i;
    last = i + 1;
    std::string_view other;
    while (last < lines.size() &&
           !sectionName(content.substr(lines[last].begin, lines[last].textEnd - lines[last].begin),
                        other))
      ++last;
    return true;
  }
  return false;
}

std::string lineEndOf(std::string_view content) {
  const auto nl = content.find('\n');
  return (nl != std::string_view::npos && nl > 0 && content[nl - 1] == '\r') ? "\r\n" : "\n";
}

// Reads the whole file. Anything but a regular file (a folder, a pipe that would block
// start-up) counts as unreadable, and so does a read error part way through, so that a
// write never replaces a file it has only half seen.
bool readFile(const std::string& path, std::string& content) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  std::string out;
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return false;
    }
    out.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(fd);
  content = std::move(out);
  return true;
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

// New files get the permissions the user's umask allows, as any other program's would.
mode_t newFileMode() {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return 0666 & ~mask;
}

std::string errnoText(int err) {
  return std::strerror(err);
}

// Writes `content` to a temporary file beside `path`, flushes it to disk and renames it
// over `path`, so the file is always either the old one or the new one, never a mix.
bool replaceFile(const std::string& path, const std::string& content, std::string& reason) {
  struct stat st {};
  mode_t mode = newFileMode();
  if (::stat(path.c_str(), &st) == 0) {
    if (hasNoWriteBits(st)) {
      reason = "the file is read-only";
      return false;
    }
    mode = st.st_mode & 07777;
  }
  struct stat folder {};
  if (::stat(folderOf(path).c_str(), &folder) == 0 && hasNoWriteBits(folder)) {
    reason = "the folder is read-only";
    return false;
  }
  std::string tmp = path + ".XXXXXX";
  const int fd = createUniqueFile(tmp);
  if (fd < 0) {
    reason = errnoText(errno);
    return false;
  }
  auto fail = [&](int err) {
    ::close(fd);
    ::unlink(tmp.c_str());
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
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    reason = errnoText(err);
    return false;
  }
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(tmp.c_str());
    reason = errnoText(err);
    return false;
  }
  // The rename itself reaches the disk only with its folder.
  const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

// A settings file that is a symbolic link is updated where the link points, so the
// link survives the replacement.
std::string writeTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  return resolvedPath(path);
}

}  // namespace

namespace ini {

bool lookup(std::string_view content, std::string_view section, std::string_view key,
            std::string& value) {
  const auto lines = splitLines(content);
  std::size_t first = 0, last = 0;
  if (!findSection(content, lines, section, first, last)) return false;
  for (std::size_t i = first + 1; i < last; ++i) {
    const std::string_view text = content.substr(lines[i].begin, lines[i].textEnd - lines[i].begin);
    std::string_view name;
    std::size_t equals = 0;
    if (keyOf(text, name, equals) && sameName(name, key)) {
      value = std::string(trim(text.substr(equals + 1)));
      return true;
    }
  }
  return false;
}

std::string update(std::string_view content, std::string_view section, std::string_view key,
                   std::string_view value) {
  const auto lines = splitLines(content);
  const std::string eol = lineEndOf(content);
  std::string out;
  std::size_t first = 0, last = 0;
  if (!findSection(content, lines, section, first, last)) {
    out = std::string(content);
    if (!lines.empty() && lines.back().next == content.size() && content.back() != '\n') out += eol;
    out.append("[").append(section).append("]").append(eol);
    out.append(key).append("=").append(value).append(eol);
    return out;
  }
  for (std::size_t i = first + 1; i < last; ++i) {
    const std::string_view text = content.substr(lines[i].begin, lines[i].textEnd - lines[i].begin);
    std::string_view name;
    std::size_t equals = 0;
    if (keyOf(text, name, equals) && sameName(name, key)) {
      const std::size_t valueStart = lines[i].begin + equals + 1;
      out.append(content.substr(0, valueStart)).append(value);
      out.append(content.substr(lines[i].textEnd));
      return out;
    }
  }
  // A new key goes after the section's last non-blank line.
  std::size_t after = first;
  for (std::size_t i = first + 1; i < last; ++i)
    if (!trim(content.substr(lines[i].begin, lines[i].textEnd - lines[i].begin)).empty()) after = i;
  const Line& anchor = lines[after];
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

}  // namespace ini

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  std::string content, value;
  int result = def;
  if (readFile(path_, content) && ini::lookup(content, section, key, value) &&
      ini::parseInt32(value, result))
    return result;
  return def;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
  std::string content, value;
  if (readFile(path_, content) && ini::lookup(content, section, key, value)) return value;
  return std::string(def);
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string content, reason;
  struct stat st {};
  // A missing file is an empty one, which the write creates; one that exists but cannot
  // be read is never replaced by a file that would lack its other lines.
  const std::string target = writeTarget(path_);
  if (!readFile(target, content) && ::stat(target.c_str(), &st) == 0) {
    reason = "the file cannot be read";
  } else {
    // A line break in a value would forge lines of its own.
    std::string clean(value);
    for (char& c : clean)
      if (c == '\r' || c == '\n') c = ' ';
    if (replaceFile(target, ini::update(content, section, key, clean), reason)) return true;
  }
  if (onWriteFailure_) onWriteFailure_(path_, reason);
  return false;
}

}  // namespace pelbrix
