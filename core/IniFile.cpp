#include "core/IniFile.h"

#include <cerrno>
#include <chrono>
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
#if defined(__GLIBC__)
  const void* nl = ::memrchr(content.data() + floor, '\n', at - floor);
  return nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - content.data()) + 1 : floor;
#else
  const std::size_t nl = content.substr(floor, at - floor).rfind('\n');
  return nl == std::string_view::npos ? floor : floor + nl + 1;
#endif
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

// Write bits for nobody means read-only, even for a user (such as root) who could
// write it anyway.
bool hasNoWriteBits(const sys::Status& st) {
  return (st.mode & 0222) == 0;
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

bool isAbsolute(const std::string& path) {
  return !path.empty() && (path.front() == '/' || (path.size() > 1 && path[1] == ':'));
}

// How long a save waits for another one (of another window or another copy of the
// program) to finish with the same file.
constexpr std::chrono::milliseconds kSaveLockWait{3000};

enum class Look { Found, Missing, Failed };

// Reads the whole file into `content`, in one open that ends with the reading; a link at
// its end is not followed (resolveTarget() follows the safe ones). Only "no such file" is
// missing. Anything but a regular file (a folder, a pipe that would block start-up), a file
// too large to be settings, and a read error part way through are failures, so that a save
// never replaces a file it has only half seen.
Look readSettings(const std::string& path, std::string& content, std::string& reason,
                  sys::Status& st) {
  sys::Failure why;
  sys::File file = sys::File::openForReading(path, false, why);
  if (!file.isOpen()) {
    reason = why.reason;
    return why.missing ? Look::Missing : Look::Failed;
  }
  auto fail = [&](std::string because) {
    file.close();
    reason = std::move(because);
    return Look::Failed;
  };
  if (!file.status(st, why)) return fail(why.reason);
  if (st.kind != sys::Kind::Regular) return fail("it is not a regular file");
  const std::string tooLarge = "it is larger than " + std::to_string(kIniMaxFileSize >> 20) +
                               " MiB and is taken to be damaged";
  if (st.size > kIniMaxFileSize) return fail(tooLarge);
  std::string out;
  out.reserve(static_cast<std::size_t>(st.size));
  char chunk[65536];
  for (;;) {
    const long long n = file.read(chunk, sizeof chunk, why);
    if (n == 0) break;
    if (n < 0) return fail(why.reason);
    out.append(chunk, static_cast<std::size_t>(n));
    // The file may have grown since it was looked at.
    if (out.size() > kIniMaxFileSize) return fail(tooLarge);
  }
  file.close();
  content = std::move(out);
  return Look::Found;
}

// Whether the link `link` (looked at as `st`) may be followed: it is the user's own or its
// folder owner's, and its folder is not open to everyone's writing without the sticky bit.
// This is the kernel's rule for sticky folders, which the kernel cannot apply here because
// the program follows links itself.
bool safeToFollow(const std::string& link, const sys::Status& st, std::string& reason) {
  sys::Status folder;
  sys::Failure why;
  if (!sys::lookAt(folderOf(link), true, folder, why)) {
    reason = why.reason;
    return false;
  }
  if (st.owner != sys::currentUser() && st.owner != folder.owner) {
    reason = "it is a symbolic link of another user's, which is not followed";
    return false;
  }
  if ((folder.mode & 002) != 0 && (folder.mode & 01000) == 0) {
    reason = "it is a symbolic link in a folder anyone can write, which is not followed";
    return false;
  }
  return true;
}

// Follows symbolic links from `path` to the name a save replaces, so that the links
// survive it; a link to nothing yet leads to the name its target is to be created under.
// Only links safe to follow are followed.
Look resolveTarget(const std::string& path, std::string& target, sys::Status& st,
                   std::string& reason) {
  std::string name = path;
  for (int hops = 0; hops <= 40; ++hops) {
    sys::Failure why;
    if (!sys::lookAt(name, false, st, why)) {
      reason = why.reason;
      target = name;
      return why.missing ? Look::Missing : Look::Failed;
    }
    if (st.kind != sys::Kind::Link) {
      target = name;
      return Look::Found;
    }
    std::string link;
    if (!safeToFollow(name, st, reason)) return Look::Failed;
    if (!sys::readLink(name, link, why)) {
      reason = why.reason;
      return Look::Failed;
    }
    name = (link.empty() || isAbsolute(link)) ? link : folderOf(name) + "/" + link;
  }
  reason = std::strerror(ELOOP);
  return Look::Failed;
}

// Writes `content` to a temporary file beside `path`, flushes it to disk and renames it
// over `path`, so the file is always either the old one or the new one, never a mix. The
// new file keeps the old one's owner where the process may set it, and its permission bits
// but never set-user-ID, set-group-ID or sticky ones.
bool replaceFile(const std::string& path, const std::string& content, const sys::Status* old,
                 std::string& reason) {
  std::string name;
  sys::File file;
  sys::Failure why;
  for (int attempt = 0; attempt < 100 && !file.isOpen(); ++attempt) {
    name = path + ".XXXXXX";
    file = sys::File::createUnique(name, why);
    if (!file.isOpen()) {
      reason = why.reason;
      return false;
    }
    // Locked until renamed, so no other save takes it for an orphan. One that did so
    // between the open and the lock has already removed it: start again. One that cannot
    // be locked or looked at goes too, or it would stay beside the file.
    sys::Status st;
    if (!file.lock(true) || !file.status(st, why)) {
      sys::removeFile(name);
      file.close();
    } else if (st.links == 0) {
      file.close();
    }
  }
  if (!file.isOpen()) {
    reason = "no temporary file could be created beside it";
    return false;
  }
  auto fail = [&] {
    sys::removeFile(name);
    file.close();
    reason = why.reason;
    return false;
  };
  if (!file.writeAll(content, why)) return fail();
  if (old) file.setOwner(old->owner, old->group);
  const unsigned mode = old ? old->mode & 0777 : sys::newFileMode();
  if (!file.setMode(mode, why) || !file.flush(why)) return fail();
  if (!file.renameOver(name, path, why)) return fail();
  // The data reached the disk with the flush; the rename itself still has to.
  file.syncRename(folderOf(path));
  // Closing releases the lock.
  file.close();
  return true;
}

// One save pass: under the lock of the file, reads it, applies `writes` and replaces it.
// A missing file starts as a copy of `seed` when that names a readable settings file.
bool commitPass(const std::string& path, const std::vector<ini::Write>& writes,
                const std::string& seed, std::string& reason) {
  std::string target, content;
  sys::Status st;
  const Look look = resolveTarget(path, target, st, reason);
  if (look == Look::Failed) return false;
  if (look == Look::Found && hasNoWriteBits(st)) {
    reason = "the file is read-only";
    return false;
  }
  const std::string folder = folderOf(target);
  sys::Status folderStatus;
  sys::Failure why;
  if (sys::lookAt(folder, true, folderStatus, why) && hasNoWriteBits(folderStatus)) {
    reason = "the folder is read-only";
    return false;
  }
  // One save at a time, of this program and of every other copy: between this reading and
  // the replacement no other save of the file may come, or its keys would be lost.
  sys::FileLock lock;
  if (!lock.take(target + ".lock", kSaveLockWait, why)) {
    reason = why.reason;
    return false;
  }
  // A file that exists but cannot be read is never replaced by one that would lack its
  // other lines; one removed since the look above is simply missing.
  const Look now = readSettings(target, content, reason, st);
  if (now == Look::Failed) {
    reason = "the file cannot be read: " + reason;
    return false;
  }
  if (now == Look::Found && hasNoWriteBits(st)) {
    reason = "the file is read-only";
    return false;
  }
  if (now == Look::Found && writes.empty()) return true;  // nothing to change
  if (now == Look::Missing && !seed.empty()) {
    std::string seedTarget, unused;
    sys::Status seedStatus;
    if (resolveTarget(seed, seedTarget, seedStatus, unused) != Look::Found ||
        readSettings(seedTarget, content, unused, seedStatus) != Look::Found)
      content.clear();
  }
  if (now == Look::Missing && writes.empty() && content.empty()) return true;
  sys::removeUnlockedFiles(folder, [name = baseNameOf(target)](std::string_view entry) {
    return ini::isTemporaryName(name, entry);
  });
  for (const ini::Write& w : writes) content = ini::update(content, w.section, w.key, w.value);
  if (content.size() > kIniMaxFileSize) {
    reason =
        "the settings would grow larger than " + std::to_string(kIniMaxFileSize >> 20) + " MiB";
    return false;
  }
  return replaceFile(target, content, now == Look::Found ? &st : nullptr, reason);
}

}  // namespace

namespace ini {

bool lookup(std::string_view content, std::string_view section, std::string_view key,
            std::string& value, SectionSpan* last) {
  SectionSpan here;
  SectionSpan& span = last ? *last : here;
  if (!span.known || !sameName(span.name, section)) {
    Line header{};
    span.found = findSection(content, section, header, span.end);
    span.begin = span.found ? header.next : 0;
    span.name = std::string(section);
    span.known = true;
  }
  Line found{};
  std::size_t equals = 0;
  if (!span.found || !findKey(content, span.begin, span.end, key, found, equals)) return false;
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
  // A link (which the reading does not follow) is read through only where a save would follow
  // it: one planted by another user is neither read nor written.
  std::string target, reason;
  sys::Status st;
  if (readSettings(path, content_, reason, st) == Look::Failed &&
      resolveTarget(path, target, st, reason) == Look::Found && target != path)
    readSettings(target, content_, reason, st);
}

int IniFile::LoadPass::ReadInteger(std::string_view section, std::string_view key, int def) const {
  std::string value;
  int result = def;
  if (ini::lookup(content_, section, key, value, &lastSection_) && ini::parseInt32(value, result))
    return result;
  return def;
}

bool IniFile::LoadPass::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::string IniFile::LoadPass::ReadString(std::string_view section, std::string_view key,
                                          std::string_view def) const {
  std::string value;
  if (ini::lookup(content_, section, key, value, &lastSection_)) return value;
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
  std::string reason;
  if (!commitPass(path_, writes_, seed_, reason)) {
    if (onWriteFailure_) onWriteFailure_(path_, reason);
    return false;
  }
  writes_.clear();
  return true;
}

}  // namespace pelbrix
