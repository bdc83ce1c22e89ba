#include "core/IniFile.h"

#include "core/IniReplace.h"

namespace pelbrix {

using ini::Look;

// --- Load pass ------------------------------------------------------------------------

IniFile::LoadPass::LoadPass(const std::string& path) {
  // A link (which the reading does not follow) is read through only where a save would follow
  // it: one planted by another user is neither read nor written.
  std::string target, reason;
  sys::Status st;
  if (ini::readSettings(path, content_, reason, st) == Look::Failed &&
      ini::resolveTarget(path, target, st, reason) == Look::Found && target != path)
    ini::readSettings(target, content_, reason, st);
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
  if (!ini::commitPass(path_, writes_, seed_, reason)) {
    if (onWriteFailure_) onWriteFailure_(path_, reason);
    return false;
  }
  writes_.clear();
  return true;
}

}  // namespace pelbrix
