#include "app/CrashHandler.h"

#include "app/CrashReport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <memory>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <ucontext.h>
#include <unistd.h>

extern char** environ;

namespace {

const int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr int kMaxFrames = 64;

// Everything the handler reads is prepared at install time in static storage,
// which stays valid even for a crash during static destruction.
char g_dumpPrefix[PATH_MAX];
std::size_t g_dumpPrefixLength = 0;
char g_reporter[PATH_MAX];
char g_dumpDirArgument[PATH_MAX];
char g_codeArgument[17];
char g_addressArgument[17];
char* g_reporterArgv[] = {
    g_reporter, const_cast<char*>(CrashReport::kOption), g_codeArgument, g_addressArgument, g_dumpDirArgument, nullptr};
// Taken when the handler is installed: localtime_r is not async-signal-safe.
std::int64_t g_utcOffsetSeconds = 0;
std::atomic<bool> g_handling{false};
constexpr std::size_t kAlternateStackSize = 64 * 1024;
// Stack overflows on the installing (GUI) thread still reach the handler.
alignas(16) char g_alternateStack[kAlternateStackSize];

// The alternate signal stack of one further thread; switched off before its
// memory is released at the end of the thread.
class ThreadAlternateStack
{
public:
    ThreadAlternateStack()
        : m_memory(new char[kAlternateStackSize])
    {
        stack_t current = {};
        if (sigaltstack(nullptr, &current) != 0 || !(current.ss_flags & SS_DISABLE))
            return;
        stack_t stack = {};
        stack.ss_sp = m_memory.get();
        stack.ss_size = kAlternateStackSize;
        m_installed = sigaltstack(&stack, nullptr) == 0;
    }

    ~ThreadAlternateStack()
    {
        if (!m_installed)
            return;
        stack_t off = {};
        off.ss_flags = SS_DISABLE;
        sigaltstack(&off, nullptr);
    }

    ThreadAlternateStack(const ThreadAlternateStack&) = delete;
    ThreadAlternateStack& operator=(const ThreadAlternateStack&) = delete;

private:
    std::unique_ptr<char[]> m_memory;
    bool m_installed = false;
};

bool copyPath(const QString& path, char* out)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.size() >= PATH_MAX || encoded.contains('\0'))
        return false;
    std::memcpy(out, encoded.constData(), static_cast<std::size_t>(encoded.size()) + 1);
    return true;
}

void writeText(int fd, const char* text)
{
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = write(fd, text, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        text += written;
        left -= static_cast<std::size_t>(written);
    }
}

void writeDecimal(int fd, std::int64_t value)
{
    char digits[24];
    char* p = digits + sizeof(digits);
    *--p = '\0';
    const bool negative = value < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        *--p = '-';
    writeText(fd, p);
}

void writeHexLine(int fd, const char* label, std::uint64_t value)
{
    char hex[17];
    CrashHandler::formatHex(value, hex);
    writeText(fd, label);
    writeText(fd, hex);
    writeText(fd, "\n");
}

const char* signalName(int signalNumber)
{
    switch (signalNumber) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGILL: return "SIGILL";
    case SIGFPE: return "SIGFPE";
    case SIGABRT: return "SIGABRT";
    default: return "?";
    }
}

// Windows reports the address of the faulting instruction, not of the data.
std::uint64_t instructionAddress([[maybe_unused]] const siginfo_t* info, void* context)
{
    const auto* uc = static_cast<const ucontext_t*>(context);
#if defined(__x86_64__)
    return static_cast<std::uint64_t>(uc->uc_mcontext.gregs[REG_RIP]);
#elif defined(__i386__)
    return static_cast<std::uint32_t>(uc->uc_mcontext.gregs[REG_EIP]);
#elif defined(__aarch64__)
    return uc->uc_mcontext.pc;
#else
    (void)uc;
    return reinterpret_cast<std::uintptr_t>(info->si_addr);
#endif
}

void copyFile(int fd, const char* path)
{
    const int in = open(path, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(in, buffer, sizeof(buffer) - 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        buffer[got] = '\0';
        writeText(fd, buffer);
    }
    close(in);
}

void writeDump(int signalNumber, const siginfo_t* info, std::uint32_t code, std::uint64_t address)
{
    char path[PATH_MAX + 20];
    std::memcpy(path, g_dumpPrefix, g_dumpPrefixLength);
    CrashHandler::formatDumpTime(static_cast<std::int64_t>(time(nullptr)) + g_utcOffsetSeconds,
                                 path + g_dumpPrefixLength);
    std::memcpy(path + g_dumpPrefixLength + 14, ".dmp", 5);

    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    writeText(fd, "Vitacor Browser crash dump\nsignal: ");
    writeDecimal(fd, signalNumber);
    writeText(fd, " ");
    writeText(fd, signalName(signalNumber));
    writeText(fd, "\nsignal code: ");
    writeDecimal(fd, info->si_code);
    writeHexLine(fd, "\nexception code: ", code);
    writeHexLine(fd, "exception address: 0x", address);
    writeHexLine(fd, "fault address: 0x", reinterpret_cast<std::uintptr_t>(info->si_addr));
    writeText(fd, "process: ");
    writeDecimal(fd, getpid());
    writeText(fd, "\nthread: ");
    writeDecimal(fd, syscall(SYS_gettid));
    writeText(fd, "\nbacktrace:\n");
    void* frames[kMaxFrames];
    backtrace_symbols_fd(frames, backtrace(frames, kMaxFrames), fd);
    // Module load addresses turn the backtrace's offsets into source lines.
    writeText(fd, "memory map:\n");
    copyFile(fd, "/proc/self/maps");
    close(fd);
}

pid_t forkProcess()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    return _Fork(); // skips the atfork handlers, which may take locks the faulting thread holds
#else
    return fork();
#endif
}

void runReporter(std::uint32_t code, std::uint64_t address)
{
    CrashHandler::formatHex(code, g_codeArgument);
    CrashHandler::formatHex(address, g_addressArgument);
    const pid_t child = forkProcess();
    if (child == 0) {
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        execve(g_reporter, g_reporterArgv, environ);
        _exit(127);
    }
    if (child < 0)
        return;
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
}

void onFatalSignal(int signalNumber, siginfo_t* info, void* context)
{
    // A second thread that faults meanwhile waits for the first report to end the process.
    if (g_handling.exchange(true)) {
        for (;;)
            pause();
    }
    const std::uint32_t code = CrashReport::exceptionCode(signalNumber, info->si_code);
    const std::uint64_t address = instructionAddress(info, context);
    writeDump(signalNumber, info, code, address);
    runReporter(code, address);

    struct sigaction defaultAction = {};
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    sigaction(signalNumber, &defaultAction, nullptr);
    // Delivered with the default action as soon as the handler returns.
    raise(signalNumber);
}

} // namespace

bool CrashHandler::install(const QString& reporterProgram, const QString& dumpDir)
{
    const QString dir = dumpDir.isEmpty() ? QCoreApplication::applicationDirPath() : dumpDir;
    if (!copyPath(reporterProgram, g_reporter) || !copyPath(dir, g_dumpDirArgument))
        return false;
    g_dumpPrefixLength = std::strlen(g_dumpDirArgument);
    std::memcpy(g_dumpPrefix, g_dumpDirArgument, g_dumpPrefixLength);
    g_dumpPrefix[g_dumpPrefixLength++] = '/';
    g_utcOffsetSeconds = QDateTime::currentDateTime().offsetFromUtc();

    // The first backtrace() loads the unwinder; that must not happen inside the handler.
    void* frame[1];
    backtrace(frame, 1);

    stack_t stack = {};
    stack.ss_sp = g_alternateStack;
    stack.ss_size = sizeof(g_alternateStack);
    if (sigaltstack(&stack, nullptr) != 0)
        return false;

    struct sigaction action = {};
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kFatalSignals)
        sigaddset(&action.sa_mask, signalNumber);
    for (int signalNumber : kFatalSignals) {
        if (sigaction(signalNumber, &action, nullptr) != 0)
            return false;
    }
    return true;
}

void CrashHandler::protectCurrentThread()
{
    thread_local ThreadAlternateStack stack;
}

void CrashHandler::protectThread(QThread& thread)
{
    // Without a receiver object the slot runs directly, in the new thread.
    QObject::connect(&thread, &QThread::started, &CrashHandler::protectCurrentThread);
}

void CrashHandler::formatDumpTime(std::int64_t localSeconds, char out[15])
{
    // Days since 1970-01-01 to a civil date (proleptic Gregorian calendar).
    std::int64_t days = localSeconds / 86400;
    std::int64_t secondOfDay = localSeconds % 86400;
    if (secondOfDay < 0) {
        secondOfDay += 86400;
        --days;
    }
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const std::int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);

    const std::int64_t fields[] = {year / 100,      year % 100, month, day, secondOfDay / 3600, secondOfDay / 60 % 60,
                                   secondOfDay % 60};
    char* p = out;
    for (std::int64_t field : fields) {
        *p++ = static_cast<char>('0' + field / 10 % 10);
        *p++ = static_cast<char>('0' + field % 10);
    }
    *p = '\0';
}

int CrashHandler::formatHex(std::uint64_t value, char out[17])
{
    char reversed[16];
    int length = 0;
    do {
        reversed[length++] = "0123456789abcdef"[value & 0xf];
        value >>= 4;
    } while (value != 0);
    for (int i = 0; i < length; ++i)
        out[i] = reversed[length - 1 - i];
    out[length] = '\0';
    return length;
}
