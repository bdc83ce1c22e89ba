#include "core/SettingsStore.h"

#include <QCoreApplication>

#include "core/MessageDisplay.h"

namespace pelbrix {

SettingsStore::SettingsStore(PathRule pathRule, MessageDisplay& failures)
    : pathRule_(std::move(pathRule)), failures_(failures) {}

SettingsStore::SettingsStore(const std::function<std::string()>& path, MessageDisplay& failures)
    : SettingsStore([path](Pass) { return Target(path()); }, failures) {}

void SettingsStore::LoadPass::get(const char* section, const char* key, const char* def,
                                  std::string& value) const {
  value = ReadString(section, key, def);
}

void SettingsStore::SavePass::put(const char* section, const char* key, const std::string& value) {
  WriteString(section, key, value);
}

void SettingsStore::SavePass::WriteInteger(std::string_view section, std::string_view key,
                                           int value) {
  WriteString(section, key, std::to_string(value));
}

void SettingsStore::SavePass::WriteBool(std::string_view section, std::string_view key,
                                        bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void SettingsStore::SavePass::WriteString(std::string_view section, std::string_view key,
                                          std::string_view value) {
  entries_.push_back({std::string(section), std::string(key), std::string(value)});
}

bool SettingsStore::SavePass::commit() {
  const std::vector<Entry> entries = std::move(entries_);
  entries_.clear();
  const Target target = store_.pathRule_(Pass::Save);
  const std::string& path = target.path;
  if (!target.refusal.empty()) {
    store_.reportWriteFailure(path, target.refusal);
    return false;
  }
  std::string reason;
  IniFile::SavePass file(path,
                         [&reason](const std::string&, const std::string& why) { reason = why; });
  for (const Entry& e : entries) file.WriteString(e.section, e.key, e.value);
  if (file.Commit()) return true;
  store_.reportWriteFailure(path, reason);
  return false;
}

void SettingsStore::reportWriteFailure(const std::string& path, const std::string& reason) {
  // Later saves of the same run would only repeat the message.
  if (failureReported_) return;
  failureReported_ = true;
  failures_.ShowMessage(
      QCoreApplication::translate(
          "SettingsStore",
          "The settings could not be saved to the file\n%1\n(%2).\n\n"
          "Pelbrix goes on, but will not remember these settings next time.")
          // Both are UTF-8 on every system, whatever its code page for 8-bit text says; a
          // reason made of a fixed text alone is translated, one naming a path as it is.
          .arg(QString::fromStdString(path),
               QCoreApplication::translate("SettingsStore", reason.c_str())));
}

}  // namespace pelbrix
