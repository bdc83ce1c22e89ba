#pragma once
// The few calls the program needs from its operating system, each in one place with a
// portable fallback, so no other file needs to know which system it runs on.
#include <string>

namespace pelbrix {

// Reads a number in the "C" locale's notation (digits, '.', exponent), whatever the process
// locale says. `text` holds only such a number. Beyond the range of double it gives
// +/-infinity or 0, as strtod does.
double parseCDecimal(const std::string& text);

// Creates a new, empty file from `pathTemplate`, whose last six characters are "XXXXXX"
// and are replaced by six letters or digits, readable and writable by its owner only, and
// opens it for writing. Returns its descriptor, or -1 with errno set.
int createUniqueFile(std::string& pathTemplate);

// The running executable's full path.
std::string executablePath();

}  // namespace pelbrix
