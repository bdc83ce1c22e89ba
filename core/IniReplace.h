#pragma once
// How a save replaces the settings file safely: under a lock file, through safe links only,
// by a flushed temporary file renamed over the old one, clearing what killed saves left.
//
// The lock is a file beside the settings file, named after it with ".lock", removed as the
// save lets go (one that a killed save left goes with the next save).
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
#include <string>
#include <string_view>
#include <vector>

#include "core/IniText.h"
#include "core/System.h"

namespace pelbrix {
namespace ini {

enum class Look { Found, Missing, Failed };

// Reads the whole file into `content`, in one open that ends with the reading; a link at
// its end is not followed (resolveTarget() follows the safe ones). Only "no such file" is
// missing. Anything but a regular file (a folder, a pipe that would block start-up), a file
// too large to be settings, and a read error part way through are failures, so that a save
// never replaces a file it has only half seen.
Look readSettings(const std::string& path, std::string& content, std::string& reason,
                  sys::Status& st);

// Follows symbolic links from `path` to the name a save replaces, so that the links
// survive it; a link to nothing yet leads to the name its target is to be created under.
// Only links safe to follow are followed.
Look resolveTarget(const std::string& path, std::string& target, sys::Status& st,
                   std::string& reason);

// One save pass: under the lock of the file, reads it, applies `writes` and replaces it.
// A missing file starts as a copy of `seed` when that names a readable settings file.
bool commitPass(const std::string& path, const std::vector<Write>& writes, const std::string& seed,
                std::string& reason);

// Whether `name` is one of the temporary files a save of `fileName` creates beside it.
bool isTemporaryName(std::string_view fileName, std::string_view name);

}  // namespace ini
}  // namespace pelbrix
