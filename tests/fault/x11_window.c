// Finds and closes the windows of one process on an X11 display, for the crash test of
// the settings file. Windows that come and go while it looks are simply not found,
// where xdotool would stop at the first BadWindow error.
//   x11_window find PID TITLE   prints the id of PID's shown window called TITLE
//   x11_window close ID         asks the window to close, as a close box does (a
//                               WM_DELETE_WINDOW message; xdotool's windowclose destroys
//                               the window instead, which the program never sees)
// Exits 0 when done, 1 when no such window is shown, 2 on bad use.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int ignoreErrors(Display* display, XErrorEvent* error) {
  (void)display;
  (void)error;
  return 0;
}

static long pidOf(Display* display, Window window) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = NULL;
  long pid = -1;
  if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), 0, 1, False,
                         XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
      data && count == 1 && format == 32)
    pid = (long)*(unsigned long*)data;
  if (data) XFree(data);
  return pid;
}

static int isCalled(Display* display, Window window, const char* title) {
  XTextProperty name;
  int same = 0;
  if (XGetWMName(display, window, &name) && name.value) {
    same = strcmp((const char*)name.value, title) == 0;
    XFree(name.value);
  }
  return same;
}

static Window find(Display* display, Window window, long pid, const char* title) {
  XWindowAttributes attributes;
  if (pidOf(display, window) == pid && isCalled(display, window, title) &&
      XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable)
    return window;
  Window root, parent, *children = NULL;
  unsigned int count = 0;
  Window found = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count)) {
    for (unsigned int i = 0; i < count && !found; ++i)
      found = find(display, children[i], pid, title);
    if (children) XFree(children);
  }
  return found;
}

int main(int argc, char** argv) {
  const int isFind = argc == 4 && strcmp(argv[1], "find") == 0;
  const int isClose = argc == 3 && strcmp(argv[1], "close") == 0;
  if (!isFind && !isClose) {
    fprintf(stderr, "usage: x11_window find PID TITLE | x11_window close ID\n");
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "x11_window: cannot open the display\n");
    return 2;
  }
  XSetErrorHandler(ignoreErrors);
  int status = 1;
  if (isFind) {
    XGrabServer(display);  // one consistent look at the tree
    const Window window =
        find(display, DefaultRootWindow(display), strtol(argv[2], NULL, 10), argv[3]);
    XUngrabServer(display);
    if (window) {
      printf("%lu\n", (unsigned long)window);
      status = 0;
    }
  } else {
    const Window window = (Window)strtoul(argv[2], NULL, 0);
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    if (XSendEvent(display, window, False, NoEventMask, &event)) status = 0;
  }
  XSync(display, False);
  XCloseDisplay(display);
  return status;
}
