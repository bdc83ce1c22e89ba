// Starts a program and reports how long it took until a top-level window with a given
// title was mapped, and the program's peak resident memory.
//
//   bench_mapwatch TITLE SETTLE_MS PROGRAM [ARGS...]
//
// The X server tells us about every map on the root window (SubstructureNotify), so the
// time is taken from the event itself rather than from polling. The clock starts just
// before fork(); after the window is mapped the program runs SETTLE_MS longer, then
// gets SIGTERM, and wait4() gives its peak resident set (ru_maxrss). Prints one line:
// "<map milliseconds> <peak RSS KiB>". Needs a server without a window manager (as
// under xvfb-run), where top-level windows are the root's children. MAPWATCH_VERBOSE=1
// lists every window mapped.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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
}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s TITLE SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const std::string title = argv[1];
  const double settle = std::atof(argv[2]);
  const bool verbose = std::getenv("MAPWATCH_VERBOSE") != nullptr;
  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    std::fprintf(stderr, "mapwatch: no X display\n");
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

  double mapped = -1;
  const double deadline = start + 20000;
  int status = 0;
  rusage usage{};
  bool ended = false;
  while (mapped < 0 && nowMs() < deadline) {
    // A program that ends before its window appears has nothing more to show.
    if (wait4(pid, &status, WNOHANG, &usage) == pid) {
      ended = true;
      break;
    }
    if (!waitForEvent(dpy, 100)) continue;
    while (XPending(dpy)) {
      XEvent ev;
      XNextEvent(dpy, &ev);
      if (ev.type != MapNotify || mapped >= 0) continue;
      const double at = nowMs();
      const std::string name = windowName(dpy, ev.xmap.window);
      if (verbose)
        std::fprintf(stderr, "mapwatch: %.1f ms: mapped \"%s\"\n", at - start, name.c_str());
      if (name == title) mapped = at - start;
    }
  }
  if (!ended) {
    const double until = nowMs() + settle;
    while (nowMs() < until) usleep(10000);
    kill(pid, SIGTERM);
    wait4(pid, &status, 0, &usage);
  }
  XCloseDisplay(dpy);
  if (mapped < 0) {
    std::fprintf(stderr, "mapwatch: no window titled \"%s\" was mapped (%s %d)\n", title.c_str(),
                 WIFSIGNALED(status) ? "signal" : "exit status",
                 WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status));
    return 1;
  }
  std::printf("%.1f %ld\n", mapped, usage.ru_maxrss);
  return 0;
}
