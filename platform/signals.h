// The signals that end a program from outside: SIGTERM (a logout or a
// `kill`), SIGINT (Ctrl-C in the terminal) and SIGHUP (the terminal goes).
#pragma once

#include <functional>

// From now on these signals run `handler` on the event loop, once per
// signal, instead of killing the process at whatever point it is.
// Needs the application object.
void onEndSignals(std::function<void()> handler);
