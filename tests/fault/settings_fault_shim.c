// LD_PRELOAD shim for the crash test of the settings file (settings_crash.sh).
//
// Counts the calls into the C library that touch the settings file: those naming the
// file, a temporary file beside it (the file's name, '.', six characters), or its folder,
// and those on descriptors opened from such a name. Right before the call numbered
// PELBRIX_FAULT_AT it kills the process with SIGKILL, as a power cut or a kill -9 would
// end it. With PELBRIX_FAULT_LOG each counted call is logged as "number name path".
// For the test of saves at once (settings_race.sh) it can also slow every rename of a save
// down, so that another save certainly comes while one is between its reading and its
// rename, and write to a time line shared by several processes "pid save" as a save looks
// at the file first, "pid sleep" and "pid rename" before and after the pause.
//   PELBRIX_FAULT_FILE      absolute path of the settings file (required)
//   PELBRIX_FAULT_AT        the call to die before; 0 or unset counts and logs only
//   PELBRIX_FAULT_DELAY_MS  the pause before each rename
//   PELBRIX_FAULT_TIMELINE  the shared time line
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>

enum { kMaxFd = 4096 };

static char file_[4096], folder_[4096];
static size_t fileLength_;
static long failAt_;
static long count_;
static int logFd_ = -1;
static int timelineFd_ = -1;
static long delayMs_;
static unsigned char tracked_[kMaxFd];

// The next definition of `name`: the C library's. Object and function pointers differ in
// ISO C, so the address is copied rather than cast.
typedef void (*AnyFunction)(void);
static AnyFunction next(const char* name) {
  void* address = dlsym(RTLD_NEXT, name);
  AnyFunction function;
  memcpy(&function, &address, sizeof function);
  return function;
}

__attribute__((constructor)) static void setUp(void) {
  const char* file = getenv("PELBRIX_FAULT_FILE");
  if (file && strlen(file) < sizeof file_) {
    strcpy(file_, file);
    fileLength_ = strlen(file_);
    strcpy(folder_, file_);
    char* slash = strrchr(folder_, '/');
    if (slash) *(slash == folder_ ? slash + 1 : slash) = '\0';
  }
  const char* at = getenv("PELBRIX_FAULT_AT");
  failAt_ = at ? strtol(at, NULL, 10) : 0;
  int (*realOpen)(const char*, int, ...) = (int (*)(const char*, int, ...))next("open");
  const char* log = getenv("PELBRIX_FAULT_LOG");
  if (log) logFd_ = realOpen(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  const char* timeline = getenv("PELBRIX_FAULT_TIMELINE");
  if (timeline) timelineFd_ = realOpen(timeline, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  const char* delay = getenv("PELBRIX_FAULT_DELAY_MS");
  delayMs_ = delay ? strtol(delay, NULL, 10) : 0;
}

// One line of the time line, in one write, so lines of several processes never mix.
static void mark(const char* what) {
  if (timelineFd_ < 0) return;
  char line[64];
  const int length = snprintf(line, sizeof line, "%ld %s\n", (long)getpid(), what);
  ssize_t (*realWrite)(int, const void*, size_t) =
      (ssize_t(*)(int, const void*, size_t))next("write");
  if (length > 0) (void)!realWrite(timelineFd_, line, (size_t)length);
}

static int isOurs(const char* path) {
  if (!path || !fileLength_) return 0;
  if (strcmp(path, folder_) == 0) return 1;
  if (strncmp(path, file_, fileLength_) != 0) return 0;
  const size_t length = strlen(path);
  return length == fileLength_ || (length == fileLength_ + 7 && path[fileLength_] == '.');
}

static int isTracked(int fd) {
  return fd >= 0 && fd < kMaxFd && tracked_[fd];
}

static void track(int fd, int on) {
  if (fd >= 0 && fd < kMaxFd) tracked_[fd] = (unsigned char)on;
}

// Called before each counted call.
static void counted(const char* name, const char* path) {
  const long n = __atomic_add_fetch(&count_, 1, __ATOMIC_SEQ_CST);
  if (logFd_ >= 0) {
    char line[4300];
    const int length = snprintf(line, sizeof line, "%ld %s %s\n", n, name, path ? path : "-");
    if (length > 0) {
      ssize_t (*realWrite)(int, const void*, size_t) =
          (ssize_t(*)(int, const void*, size_t))next("write");
      (void)!realWrite(logFd_, line, (size_t)length < sizeof line ? (size_t)length : sizeof line);
    }
  }
  if (failAt_ > 0 && n == failAt_) kill(getpid(), SIGKILL);
  if (strcmp(name, "lstat") == 0 && path && strcmp(path, file_) == 0) mark("save");
  if (delayMs_ > 0 && strcmp(name, "rename") == 0) {
    mark("sleep");
    const struct timespec pause = {delayMs_ / 1000, (delayMs_ % 1000) * 1000000};
    nanosleep(&pause, NULL);
    mark("rename");
  }
}

static char fdName_[32];
static const char* fdName(int fd) {
  snprintf(fdName_, sizeof fdName_, "fd%d", fd);
  return fdName_;
}

// open and openat alike; `at` is the folder parameter openat puts first and `atArg` its
// argument (both empty for open). The mode is read only when the flags create a file.
#define OPEN_LIKE(fn, at, atArg, isOursTest)                        \
  int fn(at const char* path, int flags, ...) {                     \
    static int (*real)(at const char*, int, ...);                   \
    if (!real) real = (int (*)(at const char*, int, ...))next(#fn); \
    mode_t mode = 0;                                                \
    if (flags & (O_CREAT | __O_TMPFILE)) {                          \
      va_list args;                                                 \
      va_start(args, flags);                                        \
      mode = va_arg(args, mode_t);                                  \
      va_end(args);                                                 \
    }                                                               \
    const int ours = isOursTest;                                    \
    if (ours) counted(#fn, path);                                   \
    const int fd = real(atArg path, flags, mode);                   \
    if (ours) track(fd, 1);                                         \
    return fd;                                                      \
  }
#define IN_FOLDER int dir,
#define FOLDER dir,
OPEN_LIKE(open, , , isOurs(path))
OPEN_LIKE(open64, , , isOurs(path))
OPEN_LIKE(openat, IN_FOLDER, FOLDER, isTracked(dir) || isOurs(path))
OPEN_LIKE(openat64, IN_FOLDER, FOLDER, isTracked(dir) || isOurs(path))

#define PATH_CALL(ret, fn, params, args, path)  \
  ret fn params {                               \
    static ret(*real) params;                   \
    if (!real) real = (ret(*) params)next(#fn); \
    if (isOurs(path)) counted(#fn, path);       \
    return real args;                           \
  }
PATH_CALL(int, stat, (const char* p, struct stat* s), (p, s), p)
PATH_CALL(int, lstat, (const char* p, struct stat* s), (p, s), p)
PATH_CALL(int, stat64, (const char* p, struct stat64* s), (p, s), p)
PATH_CALL(int, lstat64, (const char* p, struct stat64* s), (p, s), p)
PATH_CALL(ssize_t, readlink, (const char* p, char* b, size_t n), (p, b, n), p)
PATH_CALL(int, unlink, (const char* p), (p), p)
PATH_CALL(int, chmod, (const char* p, mode_t m), (p, m), p)
PATH_CALL(int, rename, (const char* a, const char* b), (a, b), isOurs(a) ? a : b)

#define DIR_PATH_CALL(ret, fn, params, args, dir, path)     \
  ret fn params {                                           \
    static ret(*real) params;                               \
    if (!real) real = (ret(*) params)next(#fn);             \
    if (isTracked(dir) || isOurs(path)) counted(#fn, path); \
    return real args;                                       \
  }
DIR_PATH_CALL(int, fstatat, (int d, const char* p, struct stat* s, int f), (d, p, s, f), d, p)
DIR_PATH_CALL(int, fstatat64, (int d, const char* p, struct stat64* s, int f), (d, p, s, f), d, p)
DIR_PATH_CALL(int, unlinkat, (int d, const char* p, int f), (d, p, f), d, p)
DIR_PATH_CALL(int, renameat, (int d, const char* a, int e, const char* b), (d, a, e, b), d, a)

#define FD_CALL(ret, fn, params, args, fd)       \
  ret fn params {                                \
    static ret(*real) params;                    \
    if (!real) real = (ret(*) params)next(#fn);  \
    if (isTracked(fd)) counted(#fn, fdName(fd)); \
    return real args;                            \
  }
FD_CALL(ssize_t, read, (int fd, void* b, size_t n), (fd, b, n), fd)
FD_CALL(ssize_t, write, (int fd, const void* b, size_t n), (fd, b, n), fd)
FD_CALL(int, fsync, (int fd), (fd), fd)
FD_CALL(int, fdatasync, (int fd), (fd), fd)
FD_CALL(int, fchmod, (int fd, mode_t m), (fd, m), fd)
FD_CALL(int, fchown, (int fd, uid_t u, gid_t g), (fd, u, g), fd)
FD_CALL(int, fstat, (int fd, struct stat* s), (fd, s), fd)
FD_CALL(int, fstat64, (int fd, struct stat64* s), (fd, s), fd)
FD_CALL(int, flock, (int fd, int op), (fd, op), fd)
FD_CALL(int, ftruncate, (int fd, off_t n), (fd, n), fd)

int close(int fd) {
  static int (*real)(int);
  if (!real) real = (int (*)(int))next("close");
  if (isTracked(fd)) {
    counted("close", fdName(fd));
    track(fd, 0);
  }
  return real(fd);
}

DIR* opendir(const char* path) {
  static DIR* (*real)(const char*);
  if (!real) real = (DIR * (*)(const char*)) next("opendir");
  const int ours = isOurs(path);
  if (ours) counted("opendir", path);
  DIR* dir = real(path);
  if (ours && dir) track(dirfd(dir), 1);
  return dir;
}

int closedir(DIR* dir) {
  static int (*real)(DIR*);
  if (!real) real = (int (*)(DIR*))next("closedir");
  const int fd = dirfd(dir);
  if (isTracked(fd)) {
    counted("closedir", fdName(fd));
    track(fd, 0);
  }
  return real(dir);
}
