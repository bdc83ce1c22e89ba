// The running executable's path, apart from the other system calls: its fallback needs Qt,
// which the settings file's reader/writer (and its fuzzer) does without.
#include <QCoreApplication>
#include <filesystem>
#include <system_error>

#include "core/System.h"

namespace pelbrix {

std::string executablePath() {
#if defined(__linux__)
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return exe.string();
#endif
  if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath().toStdString();
  return "pelbrix";
}

}  // namespace pelbrix
