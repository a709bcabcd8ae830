// Losing the X display ends the game at once, with one line on standard error and exit code 1:
// the server went away, the connection was cut (xkill), the window was destroyed from outside,
// or the server refused a request on it. Left to themselves, Xlib and the library abort, hang
// or keep running without a window. Nothing is saved on the way out, and nothing needs to be:
// every save is whole on the disk the moment it is made.
#pragma once

// Xlib's handlers for a broken connection and for a refused request. Called before the library
// opens its display.
void end_game_on_lost_display();

// Watches the game's window, once its screen is set, from a connection of the game's own,
// on a thread that sleeps until the window is destroyed. The library does not act on that: it
// goes on drawing into a window that is no more, or, while it draws nothing, simply waits.
void watch_game_window();
// Before the game replaces its window (full screen or the window) or closes it on the way out.
void stop_watching_game_window();
