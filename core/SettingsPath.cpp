#include "core/SettingsPath.h"

#include "core/System.h"

namespace pelbrix {
std::string changeFileExt(std::string_view path, std::string_view ext) {
  const auto slash = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  const bool hasExt =
      dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
  std::string out(hasExt ? path.substr(0, dot) : path);
  return out.append(ext);
}

std::string settingsFilePath() {
  return changeFileExt(executablePath(), ".INI");
}

}  // namespace pelbrix
