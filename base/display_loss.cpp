#include "base/display_loss.h"

#include <allegro.h>
#include <unistd.h>
#include <xalleg.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

std::atomic<bool> ending{false};
Display *watch_connection = nullptr;
// The window the game draws in, and the managed window that holds the game's name, which in
// full screen is another one; either destroyed leaves the game without its screen.
std::atomic<Window> watched_windows[2] = {None, None};

bool watched(Window window)
{
  return window != None && (window == watched_windows[0] || window == watched_windows[1]);
}

// Runs on whichever thread met the loss, possibly inside Xlib's or the library's lock, so it
// only writes and leaves: exit() would run the library's shutdown, which takes that lock again.
// Two threads may meet the loss at once; the second waits for the first to end the process.
[[noreturn]] void end_game(const char *line)
{
  if (ending.exchange(true)) {
    for (;;) pause();
  }
  const ssize_t written = write(STDERR_FILENO, line, strlen(line));
  static_cast<void>(written);
  _exit(1);
}

// Xlib must not get control back after a broken connection: returning would let it exit().
int on_broken_connection(Display *) { end_game("Korvanta ends: it lost its connection to the X display.\n"); }

int on_refused_request(Display *, XErrorEvent *error)
{
  char line[128];
  snprintf(line, sizeof line,
           "Korvanta ends: the X display refused a request (error %d, request %d.%d).\n",
           error->error_code, error->request_code, error->minor_code);
  end_game(line);
}

void wait_for_destruction()
{
  for (;;) {
    XEvent event;
    XNextEvent(watch_connection, &event);
    if (event.type == DestroyNotify && watched(event.xdestroywindow.window))
      end_game("Korvanta ends: its window was destroyed.\n");
  }
}

}  // namespace

void end_game_on_lost_display()
{
  XSetIOErrorHandler(on_broken_connection);
  XSetErrorHandler(on_refused_request);
}

void watch_game_window()
{
  if (_xwin.window == None) return;  // no X window: the library runs headless
  if (!watch_connection) {
    // Without a second connection the window goes unwatched; the library's own connection
    // still ends the game when the display goes away.
    watch_connection = XOpenDisplay(nullptr);
    if (!watch_connection) return;
    std::thread(wait_for_destruction).detach();
    // A program that ends by exit(), whatever path it takes, stops watching before the
    // library's own exit handler, registered earlier, closes the window.
    atexit(stop_watching_game_window);
  }
  const Window windows[2] = {_xwin.window, _xwin.wm_window};
  for (int i = 0; i < 2; i++) {
    watched_windows[i] = windows[i];
    if (windows[i] != None) XSelectInput(watch_connection, windows[i], StructureNotifyMask);
  }
  XFlush(watch_connection);
}

void stop_watching_game_window()
{
  for (std::atomic<Window> &window : watched_windows) window = None;
}
