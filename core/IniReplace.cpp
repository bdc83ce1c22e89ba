#include "core/IniReplace.h"

#include <cerrno>
#include <chrono>
#include <cstring>

#include <QtGlobal>

namespace pelbrix {
namespace ini {
namespace {

// Write bits for nobody means read-only, even for a user (such as root) who could
// write it anyway.
bool hasNoWriteBits(const sys::Status& st) {
  return (st.mode & 0222) == 0;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isAbsolute(const std::string& path) {
  return !path.empty() && (path.front() == '/' || (path.size() > 1 && path[1] == ':'));
}

// How long a save waits for another one (of another window or another copy of the
// program) to finish with the same file.
constexpr std::chrono::milliseconds kSaveLockWait{3000};

}  // namespace

Look readSettings(const std::string& path, std::string& content, std::string& reason,
                  sys::Status& st) {
  sys::Failure why;
  sys::File file = sys::File::openForReading(path, false, why);
  if (!file.isOpen()) {
    reason = why.reason;
    return why.missing ? Look::Missing : Look::Failed;
  }
  auto fail = [&](std::string because) {
    file.close();
    reason = std::move(because);
    return Look::Failed;
  };
  if (!file.status(st, why)) return fail(why.reason);
  if (st.kind != sys::Kind::Regular) return fail("it is not a regular file");
  const std::string tooLarge = "it is larger than " + std::to_string(kIniMaxFileSize >> 20) +
                               " MiB and is taken to be damaged";
  if (st.size > kIniMaxFileSize) return fail(tooLarge);
  std::string out;
  out.reserve(static_cast<std::size_t>(st.size));
  char chunk[65536];
  for (;;) {
    const long long n = file.read(chunk, sizeof chunk, why);
    if (n == 0) break;
    if (n < 0) return fail(why.reason);
    out.append(chunk, static_cast<std::size_t>(n));
    // The file may have grown since it was looked at.
    if (out.size() > kIniMaxFileSize) return fail(tooLarge);
  }
  file.close();
  content = std::move(out);
  return Look::Found;
}

namespace {
// Whether the link `link` (looked at as `st`) may be followed: it is the user's own or its
// folder owner's, and its folder is not open to everyone's writing without the sticky bit.
// This is the kernel's rule for sticky folders, which the kernel cannot apply here because
// the program follows links itself.
bool safeToFollow(const std::string& link, const sys::Status& st, std::string& reason) {
  sys::Status folder;
  sys::Failure why;
  if (!sys::lookAt(folderOf(link), true, folder, why)) {
    reason = why.reason;
    return false;
  }
  if (st.owner != sys::currentUser() && st.owner != folder.owner) {
    reason = QT_TRANSLATE_NOOP("SettingsStore",
                               "it is a symbolic link of another user's, which is not followed");
    return false;
  }
  if ((folder.mode & 002) != 0 && (folder.mode & 01000) == 0) {
    reason = QT_TRANSLATE_NOOP(
        "SettingsStore",
        "it is a symbolic link in a folder anyone can write, which is not followed");
    return false;
  }
  return true;
}
}  // namespace

Look resolveTarget(const std::string& path, std::string& target, sys::Status& st,
                   std::string& reason) {
  std::string name = path;
  for (int hops = 0; hops <= 40; ++hops) {
    sys::Failure why;
    if (!sys::lookAt(name, false, st, why)) {
      reason = why.reason;
      target = name;
      return why.missing ? Look::Missing : Look::Failed;
    }
    if (st.kind != sys::Kind::Link) {
      target = name;
      return Look::Found;
    }
    std::string link;
    if (!safeToFollow(name, st, reason)) return Look::Failed;
    if (!sys::readLink(name, link, why)) {
      reason = why.reason;
      return Look::Failed;
    }
    name = (link.empty() || isAbsolute(link)) ? link : folderOf(name) + "/" + link;
  }
  reason = std::strerror(ELOOP);
  return Look::Failed;
}

namespace {
// Writes `content` to a temporary file beside `path`, flushes it to disk and renames it
// over `path`, so the file is always either the old one or the new one, never a mix. The
// new file keeps the old one's owner where the process may set it, and its permission bits
// but never set-user-ID, set-group-ID or sticky ones.
bool replaceFile(const std::string& path, const std::string& content, const sys::Status* old,
                 std::string& reason) {
  std::string name;
  sys::File file;
  sys::Failure why;
  for (int attempt = 0; attempt < 100 && !file.isOpen(); ++attempt) {
    name = path + ".XXXXXX";
    file = sys::File::createUnique(name, why);
    if (!file.isOpen()) {
      reason = why.reason;
      return false;
    }
    // Locked until renamed, so no other save takes it for an orphan. One that did so
    // between the open and the lock has already removed it: start again. One that cannot
    // be locked or looked at goes too, or it would stay beside the file.
    sys::Status st;
    if (!file.lock(true) || !file.status(st, why)) {
      sys::removeFile(name);
      file.close();
    } else if (st.links == 0) {
      file.close();
    }
  }
  if (!file.isOpen()) {
    reason = QT_TRANSLATE_NOOP("SettingsStore", "no temporary file could be created beside it");
    return false;
  }
  auto fail = [&] {
    sys::removeFile(name);
    file.close();
    reason = why.reason;
    return false;
  };
  if (!file.writeAll(content, why)) return fail();
  if (old) file.setOwner(old->owner, old->group);
  const unsigned mode = old ? old->mode & 0777 : sys::newFileMode();
  if (!file.setMode(mode, why) || !file.flush(why)) return fail();
  if (!file.renameOver(name, path, why)) return fail();
  // The data reached the disk with the flush; the rename itself still has to.
  file.syncRename(folderOf(path));
  // Closing releases the lock.
  file.close();
  return true;
}
}  // namespace

bool commitPass(const std::string& path, const std::vector<Write>& writes, const std::string& seed,
                std::string& reason) {
  std::string target, content;
  sys::Status st;
  const Look look = resolveTarget(path, target, st, reason);
  if (look == Look::Failed) return false;
  if (look == Look::Found && hasNoWriteBits(st)) {
    reason = QT_TRANSLATE_NOOP("SettingsStore", "the file is read-only");
    return false;
  }
  const std::string folder = folderOf(target);
  sys::Status folderStatus;
  sys::Failure why;
  if (sys::lookAt(folder, true, folderStatus, why) && hasNoWriteBits(folderStatus)) {
    reason = QT_TRANSLATE_NOOP("SettingsStore", "the folder is read-only");
    return false;
  }
  // One save at a time, of this program and of every other copy: between this reading and
  // the replacement no other save of the file may come, or its keys would be lost.
  sys::FileLock lock;
  if (!lock.take(target + ".lock", kSaveLockWait, why)) {
    reason = why.reason;
    return false;
  }
  // A file that exists but cannot be read is never replaced by one that would lack its
  // other lines; one removed since the look above is simply missing.
  const Look now = readSettings(target, content, reason, st);
  if (now == Look::Failed) {
    reason = "the file cannot be read: " + reason;
    return false;
  }
  if (now == Look::Found && hasNoWriteBits(st)) {
    reason = QT_TRANSLATE_NOOP("SettingsStore", "the file is read-only");
    return false;
  }
  if (now == Look::Found && writes.empty()) return true;  // nothing to change
  if (now == Look::Missing && !seed.empty()) {
    std::string seedTarget, unused;
    sys::Status seedStatus;
    if (resolveTarget(seed, seedTarget, seedStatus, unused) != Look::Found ||
        readSettings(seedTarget, content, unused, seedStatus) != Look::Found)
      content.clear();
  }
  if (now == Look::Missing && writes.empty() && content.empty()) return true;
  sys::removeUnlockedFiles(folder, [name = baseNameOf(target)](std::string_view entry) {
    return ini::isTemporaryName(name, entry);
  });
  for (const ini::Write& w : writes) content = ini::update(content, w.section, w.key, w.value);
  if (content.size() > kIniMaxFileSize) {
    reason =
        "the settings would grow larger than " + std::to_string(kIniMaxFileSize >> 20) + " MiB";
    return false;
  }
  return replaceFile(target, content, now == Look::Found ? &st : nullptr, reason);
}

bool isTemporaryName(std::string_view fileName, std::string_view name) {
  if (fileName.empty() || name.size() != fileName.size() + 7 || !name.starts_with(fileName) ||
      name[fileName.size()] != '.')
    return false;
  for (char c : name.substr(fileName.size() + 1))
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  return true;
}

}  // namespace ini
}  // namespace pelbrix
