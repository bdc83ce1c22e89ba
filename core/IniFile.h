#pragma once
// The settings file: an initialization file of [Section] and key=value lines.
//
// Section and key names match without regard to ASCII letter case. Where a file names
// a section or a key twice, the first one is read and written; later ones are left
// alone. A line whose first non-blank character is '[' opens a section named by the text
// up to ']' (or the line's end when ']' is missing). Every read goes to the file itself,
// so nothing read is ever stale. A write changes only its key's line, or adds the key at
// the end of its section, or the section at the end of the file; every other byte stays.
// A write replaces the file atomically: a temporary file in the same folder, flushed
// and renamed over the old one (through a symbolic link, to the file it names). A file or
// folder with no write permission bit at all is left alone, whoever runs the program, and
// so is anything that is not a regular file or cannot be read whole.
#include <functional>
#include <string>
#include <string_view>

namespace pelbrix {

// Told once for every write that fails, with the file's path and the system's reason.
using IniWriteFailureHandler =
    std::function<void(const std::string& path, const std::string& reason)>;

class IniFile {
 public:
  explicit IniFile(std::string path, IniWriteFailureHandler onWriteFailure = {})
      : path_(std::move(path)), onWriteFailure_(std::move(onWriteFailure)) {}

  const std::string& FileName() const { return path_; }

  // Anything that is not a 32-bit decimal integer counts as missing and gives `def`.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // Read as an integer: 0 is false, any other integer true.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;

  // Each returns false when the file could not be written; the failure handler given
  // at construction has then been told.
  bool WriteInteger(std::string_view section, std::string_view key, int value);
  bool WriteBool(std::string_view section, std::string_view key, bool value);
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);

 private:
  std::string path_;
  IniWriteFailureHandler onWriteFailure_;
};

// Pure text operations behind IniFile, exposed for tests and the fuzzer.
namespace ini {
// The value of section/key in `content`, or false when either is missing.
bool lookup(std::string_view content, std::string_view section, std::string_view key,
            std::string& value);
// `content` with section/key set to `value`.
std::string update(std::string_view content, std::string_view section, std::string_view key,
                   std::string_view value);
// A 32-bit decimal integer with optional sign and surrounding blanks, or false.
bool parseInt32(std::string_view text, int& out);
}  // namespace ini

}  // namespace pelbrix
