#include "core/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>

#include "core/MessageDisplay.h"

namespace pelbrix {

SettingsStore::SettingsStore(PathRule pathRule, MessageDisplay& failures)
    : pathRule_(std::move(pathRule)), failures_(failures) {}

SettingsStore::SettingsStore(const std::function<std::string()>& path, MessageDisplay& failures)
    : SettingsStore([path](Pass) { return path(); }, failures) {}

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
  std::string reason;
  IniFile file(store_.path(Pass::Save),
               [&reason](const std::string&, const std::string& why) { reason = why; });
  // After a failed write the rest would fail the same way; one report is enough.
  for (const Entry& e : entries) {
    if (!file.WriteString(e.section, e.key, e.value)) {
      store_.reportWriteFailure(file.FileName(), reason);
      return false;
    }
  }
  return true;
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
          .arg(QFile::decodeName(path.c_str()), QString::fromLocal8Bit(reason.c_str())));
}

}  // namespace pelbrix
