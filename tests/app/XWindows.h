#pragma once

#include <QString>

// Finds and answers the windows of other processes on the test's X display
// (DISPLAY, as set by xvfb-run) through xdotool.
class XWindows
{
public:
    // The id of a window with exactly this title (no regular-expression characters), of process pid when pid > 0;
    // empty when none shows up within timeoutMs.
    static QString waitFor(const QString& title, qint64 pid = 0, int timeoutMs = 15000);
    // Gives the window the keyboard focus and presses Return.
    static bool pressReturn(const QString& window);
    // The same with any key xdotool names ("Escape", "Return", ...).
    static bool pressKey(const QString& window, const QString& key);
};
