#pragma once
// The settings file as the windows use it: a load pass and a save pass.
//
// A window touches the file in passes: a load pass reads the file once when it opens and
// serves every read from that content; a save pass collects the window's writes and, on
// Commit(), takes the file's lock, reads the file once, applies them in the order they were
// made, replaces the file in one step (a temporary file in the same folder, flushed, renamed
// over the old one, the rename flushed) and lets the lock go; on Windows the rename waits
// a moment for others that have the file open. So a crash leaves either the
// old file or the new one, and saves of other windows and other copies of the program, each
// under the lock, never lose one another's keys. The grammar is IniText.h's, the rules of
// the replacement IniReplace.h's.
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/IniReplace.h"
#include "core/IniText.h"

namespace pelbrix {

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

}  // namespace pelbrix
