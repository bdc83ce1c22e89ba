// libFuzzer target for the settings file's reader and writer (tools/fuzz, tools/test).
//
// The input's first byte picks a section, a key and a value; the rest is the file. For
// any file, reading must not crash, and a write must set the key so that the next read
// finds it, while every other line keeps its bytes: the only changes allowed are the
// key's own line (the part after its first '='), an added key line, an added section
// line, and a line end given to a last line that had none.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/IniFile.h"

namespace {

// Lines with their line ends, split at '\n' only, as the writer splits them.
std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t nl = text.find('\n', pos);
    const std::size_t next = nl == std::string_view::npos ? text.size() : nl + 1;
    lines.push_back(text.substr(pos, next - pos));
    pos = next;
  }
  return lines;
}

[[noreturn]] void fail(const char* why, std::string_view before, std::string_view after) {
  std::fprintf(stderr,
               "settings writer: %s\n--- before (%zu bytes)\n%.*s\n--- after (%zu bytes)\n%.*s\n",
               why, before.size(), static_cast<int>(before.size()), before.data(), after.size(),
               static_cast<int>(after.size()), after.data());
  std::abort();
}

bool isLineEnd(std::string_view s) {
  return s == "\n" || s == "\r\n";
}

std::string_view lineEndOf(std::string_view line) {
  return line.ends_with("\r\n") ? "\r\n" : line.ends_with('\n') ? "\n" : "";
}

// `out` is `in` with the text after its first '=' replaced by `value`; the line end stays,
// and so does a carriage return that ends a last line without '\n'.
bool isRewrittenKeyLine(std::string_view in, std::string_view out, const std::string& value) {
  const std::size_t eq = in.find('=');
  if (eq == std::string_view::npos) return false;
  const std::string_view tail = lineEndOf(in).empty() && in.ends_with('\r') ? "\r" : lineEndOf(in);
  if (eq + 1 > in.size() - tail.size()) return false;
  std::string expected(in.substr(0, eq + 1));
  expected.append(value).append(tail);
  return out == expected;
}

void checkWrite(std::string_view before, std::string_view after, const std::string& value,
                const std::string& keyLine, const std::string& sectionLine) {
  // A byte-order mark at the start belongs to no line and stays in front.
  constexpr std::string_view bom = "\xEF\xBB\xBF";
  if (before.starts_with(bom)) {
    if (!after.starts_with(bom)) fail("the byte-order mark was lost", before, after);
    before.remove_prefix(bom.size());
    after.remove_prefix(bom.size());
  }
  const auto in = linesOf(before);
  const auto out = linesOf(after);
  auto textOf = [](std::string_view line) { return line.substr(0, line.find_first_of("\r\n")); };
  std::size_t i = 0, j = 0;
  int keyLines = 0, sectionLines = 0, replaced = 0;
  while (i < in.size() || j < out.size()) {
    if (i < in.size() && j < out.size() && in[i] == out[j]) {
      ++i, ++j;
    } else if (i + 1 == in.size() && j < out.size() && lineEndOf(in[i]).empty() &&
               out[j].starts_with(in[i]) && isLineEnd(out[j].substr(in[i].size()))) {
      ++i, ++j;  // the unterminated last line got its line end
    } else if (i < in.size() && j < out.size() && replaced + keyLines == 0 &&
               isRewrittenKeyLine(in[i], out[j], value)) {
      ++replaced, ++i, ++j;
    } else if (j < out.size() && keyLines + replaced == 0 && textOf(out[j]) == keyLine &&
               isLineEnd(lineEndOf(out[j]))) {
      ++keyLines, ++j;
    } else if (j < out.size() && sectionLines + replaced == 0 && textOf(out[j]) == sectionLine &&
               isLineEnd(lineEndOf(out[j]))) {
      ++sectionLines, ++j;
    } else {
      fail("a line changed that the write had no business with", before, after);
    }
  }
  if (replaced + keyLines != 1 && before != after)
    fail("the write did not set exactly one key line", before, after);
  if (sectionLines && !keyLines) fail("a section was added without its key", before, after);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const char* const sections[] = {"Main", "boyle", "COMBO", "Options", "BoyleTrend", "x"};
  static const char* const keys[] = {"Top", "left", "LASTPAGE", "AniInterval", "Volume", "k"};
  static const char* const values[] = {"0", "-2147483648", "abc", "1.5", "a=b",
                                       "",  "[Main]",      "x y"};
  const std::uint8_t pick = data[0];
  const std::string section = sections[pick % 6];
  const std::string key = keys[(pick / 6) % 6];
  const std::string value = values[(pick / 36) % 8];
  const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);

  std::string found;
  int number = 0;
  if (pelbrix::ini::lookup(file, section, key, found))
    (void)pelbrix::ini::parseInt32(found, number);
  (void)pelbrix::ini::parseInt32(file, number);

  const std::string after = pelbrix::ini::update(file, section, key, value);
  checkWrite(file, after, value, key + "=" + value, "[" + section + "]");
  // Read back as a load pass reads: after another key of the same section.
  pelbrix::ini::SectionSpan span;
  (void)pelbrix::ini::lookup(after, section, "k", found, &span);
  if (!pelbrix::ini::lookup(after, section, key, found, &span) || found != value)
    fail("the value written is not the value read back", file, after);
  // Writing the same value again changes nothing.
  if (pelbrix::ini::update(after, section, key, value) != after)
    fail("a second identical write changed the file", file, after);
  return 0;
}
