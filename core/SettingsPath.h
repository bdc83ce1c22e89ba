#pragma once
// Where the settings file lives: beside the executable, named after it with ".INI".
#include <string>
#include <string_view>

namespace pelbrix {

// `path` with the extension of its last component (from its last full stop) replaced
// by `ext`; a name without a full stop gets `ext` appended.
std::string changeFileExt(std::string_view path, std::string_view ext);

// The settings file's full path, computed afresh on every call.
std::string settingsFilePath();

}  // namespace pelbrix
