// The system calls on Windows, through its wide-character calls: the program's UTF-8 paths
// are turned into UTF-16 for them, and the paths they give back into UTF-8 with '/'.
// Windows locks byte ranges and keeps other processes from reading what is locked, so the
// locks here cover one byte far beyond any data: they keep other lockers out, never readers.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <cwchar>
#include <vector>

#include <QtGlobal>

#include "core/System.h"

namespace pelbrix {
namespace {

std::wstring wide(const std::string& text) {
  if (text.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0)
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string narrow(const wchar_t* text, std::size_t length) {
  if (length == 0) return {};
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), n, nullptr,
                        nullptr);
  return out;
}

// A path as the rest of the program writes it: '/' between its parts.
std::string programPath(const wchar_t* text, std::size_t length) {
  std::string out = narrow(text, length);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

HANDLE handleOf(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

std::intptr_t valueOf(HANDLE handle) {
  return reinterpret_cast<std::intptr_t>(handle);
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Waits that grow (1, 2, 4 … 16 ms) for another process to let the settings file go, about
// 2 s in all: an editor, a virus scanner or the search indexer has it for moments, another
// copy of Pelbrix for a reading.
class Patience {
 public:
  // False once the time is up; otherwise waits one step.
  bool wait() {
    if (std::chrono::steady_clock::now() >= deadline_) return false;
    Sleep(step_);
    step_ = std::min<DWORD>(step_ * 2, 16);
    return true;
  }

 private:
  std::chrono::steady_clock::time_point deadline_ =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(2000);
  DWORD step_ = 1;
};

bool failed(sys::Failure& why, DWORD error = GetLastError()) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  why.reason = n ? narrow(text, n) : "system error " + std::to_string(error);
  if (text) LocalFree(text);
  while (!why.reason.empty() && (why.reason.back() == '\n' || why.reason.back() == '\r' ||
                                 why.reason.back() == ' ' || why.reason.back() == '.'))
    why.reason.pop_back();
  why.missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  return false;
}

// The one byte every lock here covers.
OVERLAPPED lockPlace() {
  OVERLAPPED place{};
  place.OffsetHigh = 0x7FFFFFFF;
  return place;
}

bool lockHandle(HANDLE handle, bool wait) {
  OVERLAPPED place = lockPlace();
  return LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | (wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY), 0, 1,
                    0, &place) != 0;
}

bool isSymbolicLink(HANDLE handle, DWORD attributes) {
  if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
  FILE_ATTRIBUTE_TAG_INFO tag{};
  return GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) &&
         (tag.ReparseTag == IO_REPARSE_TAG_SYMLINK || tag.ReparseTag == IO_REPARSE_TAG_MOUNT_POINT);
}

bool statusOf(HANDLE handle, sys::Status& st, sys::Failure& why) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle, &info)) return failed(why);
  st = sys::Status{};
  if (isSymbolicLink(handle, info.dwFileAttributes))
    st.kind = sys::Kind::Link;
  else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
    st.kind = sys::Kind::Folder;
  else
    st.kind = GetFileType(handle) == FILE_TYPE_DISK ? sys::Kind::Regular : sys::Kind::Other;
  st.size = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  st.mode = st.kind == sys::Kind::Folder                        ? 0755
            : (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444
                                                                : 0644;
  st.links = info.nNumberOfLinks;
  FILE_STANDARD_INFO standard{};
  if (GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard) &&
      standard.DeletePending)
    st.links = 0;
  return true;
}

// Whether the process's token grants `rights` on `path` by the file's access control list.
bool accessAllowed(const std::string& path, DWORD rights) {
  const std::wstring name = wide(path);
  const SECURITY_INFORMATION asked =
      OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
  DWORD needed = 0;
  GetFileSecurityW(name.c_str(), asked, nullptr, 0, &needed);
  if (needed == 0) return false;
  std::vector<unsigned char> descriptor(needed);
  if (!GetFileSecurityW(name.c_str(), asked, descriptor.data(), needed, &needed)) return false;
  HANDLE process = nullptr, token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(),
                        TOKEN_IMPERSONATE | TOKEN_QUERY | TOKEN_DUPLICATE | STANDARD_RIGHTS_READ,
                        &process))
    return false;
  const bool duplicated = DuplicateToken(process, SecurityImpersonation, &token);
  CloseHandle(process);
  if (!duplicated) return false;
  GENERIC_MAPPING mapping{FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                          FILE_ALL_ACCESS};
  MapGenericMask(&rights, &mapping);
  PRIVILEGE_SET privileges{};
  DWORD privilegesLength = sizeof privileges, granted = 0;
  BOOL allowed = FALSE;
  const bool checked = AccessCheck(descriptor.data(), token, rights, &mapping, &privileges,
                                   &privilegesLength, &granted, &allowed);
  CloseHandle(token);
  return checked && allowed;
}

}  // namespace

std::string executablePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return "Pelbrix.exe";
    if (n < buffer.size()) return programPath(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

namespace sys {

std::uint64_t currentUser() {
  return 0;
}

File File::openForReading(const std::string& path, bool followLink, Failure& why) {
  const std::wstring name = wide(path);
  Patience patience;
  HANDLE h = INVALID_HANDLE_VALUE;
  // One that has the file open sharing no reading (an editor writing it) is waited for:
  // a load pass that gave up would show defaults, which a later save would store.
  while ((h = CreateFileW(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT),
                          nullptr)) == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error != ERROR_SHARING_VIOLATION || !patience.wait()) {
      failed(why, error);
      return File();
    }
  }
  File file(valueOf(h));
  Status st;
  if (!followLink && statusOf(h, st, why) && st.kind == Kind::Link) {
    why.reason = QT_TRANSLATE_NOOP("SettingsStore", "it is a symbolic link");
    return File();
  }
  return file;
}

File File::createUnique(std::string& pathTemplate, Failure& why) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    unsigned long long seed =
        static_cast<unsigned long long>(now.QuadPart) * 6364136223846793005ULL +
        GetCurrentProcessId() + static_cast<unsigned>(attempt);
    for (std::size_t k = pathTemplate.size() - 6; k < pathTemplate.size(); ++k) {
      seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
      pathTemplate[k] = kLetters[(seed >> 33) % (sizeof kLetters - 1)];
    }
    // Shared for removal, so that the rename over the settings file can take it while it is
    // still open and locked; and, once it is the settings file, with anyone who opens that.
    const HANDLE h = CreateFileW(wide(pathTemplate).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                 kShareAll, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) return File(valueOf(h));
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
      failed(why, error);
      return File();
    }
  }
  failed(why, ERROR_FILE_EXISTS);
  return File();
}

bool File::status(Status& st, Failure& why) const {
  return statusOf(handleOf(handle_), st, why);
}

long long File::read(char* buffer, std::size_t size, Failure& why) {
  DWORD n = 0;
  const DWORD asked = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
  if (!ReadFile(handleOf(handle_), buffer, asked, &n, nullptr)) {
    failed(why);
    return -1;
  }
  return n;
}

bool File::writeAll(std::string_view data, Failure& why) {
  std::size_t done = 0;
  while (done < data.size()) {
    const std::size_t left = data.size() - done;
    const DWORD asked = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
    DWORD n = 0;
    if (!WriteFile(handleOf(handle_), data.data() + done, asked, &n, nullptr)) return failed(why);
    done += n;
  }
  return true;
}

bool File::lock(bool wait) {
  return lockHandle(handleOf(handle_), wait);
}

bool File::setMode(unsigned mode, Failure& why) {
  if (mode & 0222) return true;  // a new file is writable already
  FILE_BASIC_INFO basic{};
  if (!GetFileInformationByHandleEx(handleOf(handle_), FileBasicInfo, &basic, sizeof basic))
    return failed(why);
  basic.FileAttributes |= FILE_ATTRIBUTE_READONLY;
  return SetFileInformationByHandle(handleOf(handle_), FileBasicInfo, &basic, sizeof basic) ||
         failed(why);
}

void File::setOwner(std::uint64_t, std::uint64_t) {
  // A new file gets its folder's inherited permissions, as every file there does.
}

bool File::flush(Failure& why) {
  return FlushFileBuffers(handleOf(handle_)) || failed(why);
}

namespace {
std::wstring fullPath(const std::wstring& path) {
  const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::wstring out(n, L'\0');
  const DWORD got = GetFullPathNameW(path.c_str(), n, out.data(), nullptr);
  if (got == 0 || got >= n) return path;
  out.resize(got);
  return out;
}

// FileRenameInfoEx, which the headers declare only for a newer _WIN32_WINNT than they set.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);

// Renames the open file over `to` with POSIX semantics, which handles open on `to` that
// share deletion do not stand in the way of (Windows 10 1709 and later, on NTFS).
DWORD renamePosix(HANDLE file, const std::wstring& to) {
  const DWORD nameBytes = static_cast<DWORD>(to.size() * sizeof(wchar_t));
  std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
  auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  info->Flags = FILE_RENAME_FLAG_REPLACE_IF_EXISTS | FILE_RENAME_FLAG_POSIX_SEMANTICS;
  info->RootDirectory = nullptr;
  info->FileNameLength = nameBytes;
  std::memcpy(info->FileName, to.data(), nameBytes);
  return SetFileInformationByHandle(file, kFileRenameInfoEx, info,
                                    static_cast<DWORD>(buffer.size()))
             ? ERROR_SUCCESS
             : GetLastError();
}

// The answers of a system or file system that has no POSIX rename.
bool unsupported(DWORD error) {
  return error == ERROR_INVALID_PARAMETER || error == ERROR_NOT_SUPPORTED ||
         error == ERROR_INVALID_FUNCTION || error == ERROR_CALL_NOT_IMPLEMENTED;
}
}  // namespace

bool File::renameOver(const std::string& from, const std::string& to, Failure& why) {
  const std::wstring source = wide(from), target = fullPath(wide(to));
  Patience patience;
  bool posix = true;
  for (;;) {
    DWORD error = posix ? renamePosix(handleOf(handle_), target) : ERROR_NOT_SUPPORTED;
    if (unsupported(error)) {
      posix = false;
      error = MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)
                  ? ERROR_SUCCESS
                  : GetLastError();
    }
    if (error == ERROR_SUCCESS) return true;
    // Another process has the file open without sharing its deletion (or, for the older
    // rename, has it open at all): wait for it, in steps that grow.
    const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
    if (!busy || !patience.wait()) return failed(why, error);
  }
}

void File::syncRename(const std::string&) {
  // The handle now names the new file. Its flush writes out the file system's log, which
  // holds the rename; a flush of the folder is not offered.
  FlushFileBuffers(handleOf(handle_));
}

bool File::close() {
  if (handle_ == kNone) return true;
  const bool closed = CloseHandle(handleOf(handle_)) != 0;
  handle_ = kNone;
  return closed;
}

bool FileLock::take(const std::string& path, std::chrono::milliseconds wait, Failure& why) {
  release();
  const auto deadline = std::chrono::steady_clock::now() + wait;
  const std::wstring name = wide(path);
  for (;;) {
    // Removed by the system when the last process that has it open closes it, so no lock
    // file stays behind, and none is removed under another process's lock.
    const HANDLE h = CreateFileW(
        name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, kShareAll, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      // A lock file being removed refuses to be opened for a moment, as access denied or,
      // while another process still has it open, as a sharing violation.
      const bool busy = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
      if (!busy || std::chrono::steady_clock::now() >= deadline) return failed(why, error);
      pause(std::chrono::milliseconds(20));
      continue;
    }
    File file(valueOf(h));
    Status st;
    if (!statusOf(h, st, why)) return false;
    if (st.kind != Kind::Regular) {
      why.reason = "its lock file " + path + " is not a regular file";
      return false;
    }
    while (!lockHandle(h, false)) {
      if (std::chrono::steady_clock::now() >= deadline) {
        why.reason =
            QT_TRANSLATE_NOOP("SettingsStore", "another copy of Pelbrix kept the settings locked");
        return false;
      }
      pause(std::chrono::milliseconds(20));
    }
    file_ = std::move(file);
    path_ = path;
    return true;
  }
}

void FileLock::release() {
  file_.close();
}

bool lookAt(const std::string& path, bool followLink, Status& st, Failure& why) {
  const std::wstring name = wide(path);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data)) return failed(why);
  if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    st = Status{};
    const bool folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    st.kind = folder ? Kind::Folder : Kind::Regular;
    st.size = (static_cast<std::uintmax_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    st.mode = folder ? 0755 : (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0644;
    return true;
  }
  // Only a link tells its kind through a handle; settings files are seldom links.
  const HANDLE h = CreateFileW(
      name.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
      FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
  if (h == INVALID_HANDLE_VALUE) return failed(why);
  const bool looked = statusOf(h, st, why);
  CloseHandle(h);
  return looked;
}

bool readLink(const std::string& path, std::string& target, Failure& why) {
  // The final name the link leads to, through every link on the way.
  const HANDLE h = CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return failed(why);
  std::vector<wchar_t> buffer(MAX_PATH);
  DWORD n = GetFinalPathNameByHandleW(h, buffer.data(), static_cast<DWORD>(buffer.size()),
                                      FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (n >= buffer.size()) {
    buffer.resize(n + 1);
    n = GetFinalPathNameByHandleW(h, buffer.data(), static_cast<DWORD>(buffer.size()),
                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  }
  const DWORD error = GetLastError();
  CloseHandle(h);
  if (n == 0 || n >= buffer.size()) return failed(why, error);
  std::wstring name(buffer.data(), n);
  if (name.rfind(L"\\\\?\\UNC\\", 0) == 0)
    name = L"\\\\" + name.substr(8);
  else if (name.rfind(L"\\\\?\\", 0) == 0)
    name = name.substr(4);
  target = programPath(name.data(), name.size());
  return true;
}

bool removeFile(const std::string& path) {
  return DeleteFileW(wide(path).c_str()) != 0;
}

bool makeFolder(const std::string& path) {
  const std::wstring name = wide(path);
  if (CreateDirectoryW(name.c_str(), nullptr)) return true;
  // A drive ("C:") or any folder that is there already.
  const DWORD attributes = GetFileAttributesW((name + L"\\").c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool mayWrite(const std::string& path, bool search) {
  const DWORD attributes = GetFileAttributesW(wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  // A save adds its temporary file to the folder and renames it over the old file.
  if (attributes & FILE_ATTRIBUTE_DIRECTORY)
    return accessAllowed(path, FILE_ADD_FILE | (search ? FILE_TRAVERSE : 0));
  // A file's access list is read through a handle, and any handle on the file, even for a
  // moment, makes another copy's replacement of it fail: the attributes must do.
  return !(attributes & FILE_ATTRIBUTE_READONLY);
}

bool mayRead(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? accessAllowed(path, FILE_LIST_DIRECTORY) : true;
}

unsigned newFileMode() {
  return 0644;
}

void removeUnlockedFiles(const std::string& folder,
                         const std::function<bool(std::string_view name)>& isCandidate) {
  WIN32_FIND_DATAW entry{};
  const HANDLE search = FindFirstFileW(wide(folder + "/*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = narrow(entry.cFileName, std::wcslen(entry.cFileName));
    if (!isCandidate(name) ||
        (entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
      continue;
    const HANDLE h =
        CreateFileW(wide(folder + "/" + name).c_str(), GENERIC_READ | DELETE, kShareAll, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE) continue;
    // Removed while held, so a save that locks it later sees that it is gone.
    if (lockHandle(h, false)) {
      FILE_DISPOSITION_INFO disposition{};
      disposition.DeleteFile = TRUE;
      SetFileInformationByHandle(h, FileDispositionInfo, &disposition, sizeof disposition);
    }
    CloseHandle(h);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

void pause(std::chrono::milliseconds time) {
  Sleep(static_cast<DWORD>(time.count()));
}

namespace {
// A folder the system names in an environment variable, in the program's spelling; "" when
// the variable is not set.
std::string folderFromEnvironment(const wchar_t* variable) {
  const DWORD n = GetEnvironmentVariableW(variable, nullptr, 0);
  if (n == 0) return {};
  std::vector<wchar_t> buffer(n);
  const DWORD got = GetEnvironmentVariableW(variable, buffer.data(), n);
  if (got == 0 || got >= n) return {};
  std::string folder = programPath(buffer.data(), got);
  while (folder.size() > 3 && folder.back() == '/') folder.pop_back();
  return folder;
}
}  // namespace

std::string systemConfigFolder() {
  return folderFromEnvironment(L"APPDATA");
}

bool inInstalledProgramsFolder(const std::string& folder) {
  const auto lower = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  const std::string here = lower(folder) + "/";
  for (const wchar_t* variable : {L"ProgramFiles", L"ProgramW6432", L"ProgramFiles(x86)"}) {
    const std::string programs = lower(folderFromEnvironment(variable));
    if (!programs.empty() && here.compare(0, programs.size() + 1, programs + "/") == 0) return true;
  }
  return false;
}

}  // namespace sys
}  // namespace pelbrix
