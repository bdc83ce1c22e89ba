#include "core/IniText.h"

#include <cstring>

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

}  // namespace ini

}  // namespace pelbrix
