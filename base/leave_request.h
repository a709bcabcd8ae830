// The wish to leave the game when it comes from outside its loops: the window's close button
// (raised on the library's window thread) or a signal that ends the session (SIGTERM at a
// shutdown, SIGHUP at a logout, SIGINT from Ctrl+C in a terminal). Neither may do more than
// note it: the library's thread may hold its display lock. Every loop that waits asks
// leave_requested() and ends, so the game leaves at the next frame by the way quitting takes.
#pragma once

// The window's close button.
void request_close();
// Forgets the close button's request (a signal's stays): the goodbye screen, shown after a
// close, ends early at a second one.
void clear_close_request();

// Has SIGTERM, SIGINT and SIGHUP raise the request instead of ending the process. A signal that
// was ignored when the game started (`nohup`, or SIGINT in a script's background job) stays
// ignored. Called before the library starts, so that its shutdown puts these handlers back
// rather than the defaults, and again after, since it replaces the handlers of SIGTERM and
// SIGINT with its own, which abort when the signal lands while it holds its display lock.
void catch_leave_signals();

// The close button or a signal has asked the game to leave.
bool leave_requested();
// The signal that asked, or 0.
int leave_signal();

// Forgets both; for tests, which raise them on purpose.
void clear_leave_requests();
