#pragma once

#include <QString>

#include <cstdint>

class QThread;

// Turns a fatal signal (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT) on any
// thread into a dump file named by the local time and the "Software crash"
// box. Inside the signal only async-signal-safe calls run: the dump is plain
// text written with write(), the box comes from a fresh process of the
// reporter program (started with CrashReport::kOption), and once that process
// has ended the signal is raised again with its default action.
class CrashHandler
{
public:
    // dumpDir defaults to the program's folder. Returns false when a path does
    // not fit the handler's fixed buffers or the handlers cannot be set.
    static bool install(const QString& reporterProgram, const QString& dumpDir = QString());

    // A stack overflow is reported only on a thread with an alternate signal
    // stack; install() gives one to its own thread, these to the others.
    // Gives the calling thread one of its own, released when the thread ends.
    static void protectCurrentThread();
    // Protects the thread from its start on; call before thread.start().
    static void protectThread(QThread& thread);

    // "yyyyMMddhhmmss" (24-hour) of seconds since 1970 on the local clock,
    // written without the C library so it is safe inside a signal handler.
    static void formatDumpTime(std::int64_t localSeconds, char out[15]);

    // Lower-case hexadecimal without prefix or leading zeros, NUL-terminated;
    // returns the number of digits.
    static int formatHex(std::uint64_t value, char out[17]);
};
