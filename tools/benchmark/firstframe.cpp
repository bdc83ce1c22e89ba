// Starts a program and reports when its main window was mapped, when the first pixels
// were drawn into it, and the program's peak resident memory.
//
//   bench_firstframe TITLE SETTLE_MS PROGRAM [ARGS...]
//
// The X server tells us about every map on the root window (SubstructureNotify), and a
// Damage object on the window once it is mapped reports the first drawing into it: that
// is the first frame a user sees, not just an empty window. The clock starts just before
// fork(). After the first frame the program runs until it is idle (its CPU time has not
// grown for IDLE_MS, 300 by default, at most 60 s), then SETTLE_MS longer; then it gets
// SIGTERM, and wait4() gives its peak resident set (ru_maxrss). Prints one line:
// "<map ms> <first frame ms> <peak RSS KiB>". Run under valgrind the program's counts
// are written when SIGTERM ends it, so the idle point is also where they stop. Needs a
// server without a window manager (as under xvfb-run), where top-level windows are the
// root's children. FIRSTFRAME_VERBOSE=1 lists every window mapped.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {
double nowMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

std::string windowName(Display* dpy, Window w) {
  const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(dpy, w, netName, 0, 1024, False, utf8, &type, &format, &items, &after,
                         &data) == Success &&
      data) {
    name.assign(reinterpret_cast<char*>(data), items);
    XFree(data);
  }
  if (name.empty()) {
    char* plain = nullptr;
    if (XFetchName(dpy, w, &plain) && plain) {
      name = plain;
      XFree(plain);
    }
  }
  return name;
}

// Waits up to `ms` for X events; returns false on timeout.
bool waitForEvent(Display* dpy, double ms) {
  if (XPending(dpy)) return true;
  pollfd p{ConnectionNumber(dpy), POLLIN, 0};
  return poll(&p, 1, ms < 0 ? 0 : static_cast<int>(ms)) > 0;
}

// The process's user plus system time in clock ticks, or -1 once it is gone.
long cpuTicks(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return -1;
  // The command name is in parentheses and may hold blanks: count fields after it.
  const auto close = line.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream rest(line.substr(close + 2));
  std::string field;
  long utime = 0, stime = 0;
  for (int i = 3; rest >> field; ++i) {
    if (i == 14) utime = std::atol(field.c_str());
    if (i == 15) {
      stime = std::atol(field.c_str());
      break;
    }
  }
  return utime + stime;
}

double envMs(const char* name, double fallback) {
  const char* text = std::getenv(name);
  return text ? std::atof(text) : fallback;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s TITLE SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const std::string title = argv[1];
  const double settle = std::atof(argv[2]);
  const double idleMs = envMs("IDLE_MS", 300);
  const bool verbose = std::getenv("FIRSTFRAME_VERBOSE") != nullptr;
  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    std::fprintf(stderr, "firstframe: no X display\n");
    return 2;
  }
  int damageEvent = 0, damageError = 0;
  if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
    std::fprintf(stderr, "firstframe: the X server has no DAMAGE extension\n");
    return 2;
  }
  XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
  XSync(dpy, False);

  const double start = nowMs();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[3], argv + 3);
    _exit(127);
  }

  double mapped = -1, painted = -1;
  Window window = 0;
  const double deadline = start + 120000;
  int status = 0;
  rusage usage{};
  bool ended = false;
  while (painted < 0 && nowMs() < deadline) {
    // A program that ends before its window appears has nothing more to show.
    if (wait4(pid, &status, WNOHANG, &usage) == pid) {
      ended = true;
      break;
    }
    if (!waitForEvent(dpy, 100)) continue;
    while (XPending(dpy) && painted < 0) {
      XEvent ev;
      XNextEvent(dpy, &ev);
      const double at = nowMs();
      if (ev.type == MapNotify && mapped < 0) {
        const std::string name = windowName(dpy, ev.xmap.window);
        if (verbose)
          std::fprintf(stderr, "firstframe: %.1f ms: mapped \"%s\"\n", at - start, name.c_str());
        if (name != title) continue;
        mapped = at - start;
        window = ev.xmap.window;
        XDamageCreate(dpy, window, XDamageReportNonEmpty);
        XSync(dpy, False);
      } else if (ev.type == damageEvent + XDamageNotify &&
                 reinterpret_cast<XDamageNotifyEvent*>(&ev)->drawable == window) {
        painted = at - start;
      }
    }
  }
  if (!ended) {
    // Idle: the CPU time stays the same for idleMs.
    long last = cpuTicks(pid);
    double stableSince = nowMs();
    const double idleDeadline = nowMs() + 60000;
    while (nowMs() < idleDeadline && nowMs() - stableSince < idleMs) {
      usleep(20000);
      const long ticks = cpuTicks(pid);
      if (ticks != last) {
        last = ticks;
        stableSince = nowMs();
      }
    }
    const double until = nowMs() + settle;
    while (nowMs() < until) usleep(10000);
    kill(pid, SIGTERM);
    wait4(pid, &status, 0, &usage);
  }
  XCloseDisplay(dpy);
  if (painted < 0) {
    std::fprintf(stderr, "firstframe: no window titled \"%s\" was %s (%s %d)\n", title.c_str(),
                 mapped < 0 ? "mapped" : "drawn", WIFSIGNALED(status) ? "signal" : "exit status",
                 WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
    return 1;
  }
  std::printf("%.1f %.1f %ld\n", mapped, painted, usage.ru_maxrss);
  return 0;
}
