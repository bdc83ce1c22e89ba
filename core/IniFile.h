#pragma once
// The settings file: an initialization file of [Section] and key=value lines.
//
// Section and key names match without regard to ASCII letter case. Where a file names
// a section or a key twice, the first one is read and written; later ones are left
// alone. A line whose first non-blank character is '[' opens a section named by the text
// up to ']' (or the line's end when ']' is missing). A write changes only its key's line,
// or adds the key at the end of its section, or the section at the end of the file;
// every other byte stays.
//
// A window touches the file in passes: a load pass reads the file once when it opens and
// serves every read from that content; a save pass collects the window's writes and, on
// Commit(), takes the file's lock, reads the file once, applies them in the order they were
// made, replaces the file in one step (a temporary file in the same folder, flushed, renamed
// over the old one, the rename flushed) and lets the lock go; on Windows the rename waits
// a moment for others that have the file open. So a crash leaves either the
// old file or the new one, and saves of other windows and other copies of the program, each
// under the lock, never lose one another's keys. The lock is a file beside the settings
// file, named after it with ".lock", removed as the save lets go (one that a killed save
// left goes with the next save).
// A symbolic link is read and written through to the file it names, which a save creates
// if missing, but only a link that is safe to follow: the user's own or its folder owner's, in a
// folder that is not open to everyone's writing without the sticky bit (the kernel's rule for
// sticky folders). The new file keeps the old one's owner where the process may set it,
// and its permission bits without set-user-ID, set-group-ID and sticky.
// Only "no such file" counts as missing: a file that cannot be looked at, is not a
// regular file, cannot be read whole, is larger than kIniMaxFileSize, or has no write
// permission bit at all (whoever runs the program) is left as it is, and so is a folder
// with no write bit; a save whose result would be larger than kIniMaxFileSize is refused.
// A commit also removes temporary files that an earlier save beside the same file left
// behind when it was killed.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelbrix {

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
}  // namespace ini

// A settings file holds a few hundred bytes; one larger than this is taken to be damaged:
// reads give their defaults without reading it, and saves leave it alone and never make
// one, so the work of a pass stays bounded whatever the file holds.
inline constexpr std::size_t kIniMaxFileSize = 16 * 1024 * 1024;

// Told once for every save that fails, with the file's path and the system's reason.
using IniWriteFailureHandler =
    std::function<void(const std::string& path, const std::string& reason)>;

// A window's reading and writing of the file; there is no other way to it.
namespace IniFile {
class LoadPass;
class SavePass;
}  // namespace IniFile

// Reads the file once, when it is constructed; a missing, unreadable or damaged file
// reads as empty, so every read gives its default.
class IniFile::LoadPass {
 public:
  explicit LoadPass(const std::string& path);

  // Anything that is not a 32-bit decimal integer counts as missing and gives `def`.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // Read as an integer: 0 is false, any other integer true.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;

 private:
  std::string content_;
  mutable ini::SectionSpan lastSection_;
};

// Collects writes; Commit() makes them one replacement of the file. Writes that were
// never committed are dropped, so a window's save ends with Commit().
class IniFile::SavePass {
 public:
  explicit SavePass(std::string path, IniWriteFailureHandler onWriteFailure = {})
      : path_(std::move(path)), onWriteFailure_(std::move(onWriteFailure)) {}

  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // A file that is missing when the pass commits starts as a copy of `source` (through
  // safe links only, and only when it is a readable file within kIniMaxFileSize); a file
  // there already is left as it is by a pass with no writes.
  void SeedFrom(std::string source) { seed_ = std::move(source); }

  // Applies the writes and replaces the file. Returns false when the file could not be
  // written; the failure handler given at construction has then been told once and the
  // file is as it was. The writes stay collected, so a later Commit() can try again.
  bool Commit();

 private:
  std::string path_;
  IniWriteFailureHandler onWriteFailure_;
  std::vector<ini::Write> writes_;
  std::string seed_;
};

// The text operations the passes are made of: pure, so they can be driven without a file.
namespace ini {
// The value of section/key in `content`, or false when either is missing. `last`, when
// given, is where the previous lookup in the same content found its section.
bool lookup(std::string_view content, std::string_view section, std::string_view key,
            std::string& value, SectionSpan* last = nullptr);
// `content` with section/key set to `value`.
std::string update(std::string_view content, std::string_view section, std::string_view key,
                   std::string_view value);
// A 32-bit decimal integer with optional sign and surrounding blanks, or false.
bool parseInt32(std::string_view text, int& out);
// Whether `name` is one of the temporary files a save of `fileName` creates beside it.
bool isTemporaryName(std::string_view fileName, std::string_view name);
}  // namespace ini

}  // namespace pelbrix
