#pragma once
// The settings file's grammar: [Section] and key=value lines, read and written as text.
//
// Section and key names match without regard to ASCII letter case. Where a file names
// a section or a key twice, the first one is read and written; later ones are left
// alone. A line whose first non-blank character is '[' opens a section named by the text
// up to ']' (or the line's end when ']' is missing). A write changes only its key's line,
// or adds the key at the end of its section, or the section at the end of the file;
// every other byte stays.
#include <cstddef>
#include <string>
#include <string_view>

namespace pelbrix {

// A settings file holds a few hundred bytes; one larger than this is taken to be damaged:
// reads give their defaults without reading it, and saves leave it alone and never make
// one, so the work of a pass stays bounded whatever the file holds.
inline constexpr std::size_t kIniMaxFileSize = 16 * 1024 * 1024;

namespace ini {
// One key's value, waiting for its save pass's commit.
struct Write {
  std::string section, key, value;
};
// Where a lookup last found a section. Reads come in table order, section by section, so
// a lookup in the same section as the one before starts there instead of searching the
// file from the top again.
struct SectionSpan {
  std::string name;
  std::size_t begin = 0, end = 0;
  bool found = false, known = false;
};

// The text operations the passes are made of: pure, so they can be driven without a file.
// The value of section/key in `content`, or false when either is missing. `last`, when
// given, is where the previous lookup in the same content found its section.
bool lookup(std::string_view content, std::string_view section, std::string_view key,
            std::string& value, SectionSpan* last = nullptr);
// `content` with section/key set to `value`.
std::string update(std::string_view content, std::string_view section, std::string_view key,
                   std::string_view value);
// A 32-bit decimal integer with optional sign and surrounding blanks, or false.
bool parseInt32(std::string_view text, int& out);
}  // namespace ini

}  // namespace pelbrix
