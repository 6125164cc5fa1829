/* The least an X program can do to put a dialog-sized window with its content on the
 * screen: connect, create a window, map it, fill it with the dialog face colour on the first
 * Expose, flush. The start-up benchmark measures it beside vestralino as the floor that no
 * real program can beat. It stays up until it is killed or its window is closed.
 * Build: cc -O2 -o bare_window bare_window.c -lX11 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>

int main(void) {
  Display *display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "bare_window: no display\n");
    return 1;
  }
  int screen = DefaultScreen(display);
  /* Background None: the server paints nothing itself, so the first pixels are ours. */
  XSetWindowAttributes attributes;
  attributes.background_pixmap = None;
  attributes.event_mask = ExposureMask | StructureNotifyMask;
  Window window = XCreateWindow(display, RootWindow(display, screen), 545, 339, 189, 121, 0,
                                CopyFromParent, InputOutput, CopyFromParent,
                                CWBackPixmap | CWEventMask, &attributes);
  XStoreName(display, window, "bare window");
  Atom delete_window = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, window, &delete_window, 1);
  GC gc = XCreateGC(display, window, 0, NULL);
  XSetForeground(display, gc, 0xD4D0C8); /* TrueColor 24-bit: the pixel is the RGB value */
  XMapWindow(display, window);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == Expose) {
      XFillRectangle(display, window, gc, event.xexpose.x, event.xexpose.y,
                     (unsigned)event.xexpose.width, (unsigned)event.xexpose.height);
      XFlush(display);
    } else if (event.type == ClientMessage &&
               (Atom)event.xclient.data.l[0] == delete_window) {
      break;
    }
  }
  XCloseDisplay(display);
  return 0;
}
