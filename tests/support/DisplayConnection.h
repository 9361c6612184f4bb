#pragma once
// The X display connection of a test program that draws. Xvfb, when busy, sometimes accepts a
// client and closes it at once; Qt's xcb platform then aborts the program before a test runs. So
// the test main first connects itself, a few times if need be, and keeps that connection open
// while Qt makes its own (a connection made right after another was closed is the one most often
// dropped); should Qt's own connection be dropped all the same, the program starts again, a few
// times at most.

namespace DisplayConnection {

// Whether the program will draw on an X display: Qt's xcb platform, chosen or by default, and a
// display named in DISPLAY.
bool UsesX();

// Connects to the display, up to `attempts` times with short pauses between, and keeps the first
// connection that holds open until Release. False, after a message, when none held.
bool Hold(int attempts);
void Release();

// From now on, when Qt cannot connect to the display, the program starts again with the
// arguments main was given (argv, which must stay valid), at most `restarts` times in all.
void RestartWhenQtCannotConnect(char** argv, int restarts);

} // namespace DisplayConnection
