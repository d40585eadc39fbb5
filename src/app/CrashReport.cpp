#include "app/CrashReport.h"

#include <csignal>

CrashReport::CrashReport(quint32 code, quint64 address, const QString& dumpDir)
    : m_code(code)
    , m_address(address)
    , m_dumpDir(dumpDir)
{}

quint32 CrashReport::exceptionCode(int signalNumber, int signalCode)
{
    switch (signalNumber) {
    case SIGSEGV: return 0xc0000005; // access violation
    case SIGBUS: return 0xc0000006; // in-page error
    case SIGILL: return 0xc000001d; // illegal instruction
    case SIGABRT: return 0x40000015; // fatal application exit
    case SIGFPE:
        switch (signalCode) {
        case FPE_INTDIV: return 0xc0000094;
        case FPE_INTOVF: return 0xc0000095;
        case FPE_FLTDIV: return 0xc000008e;
        default: return 0xc0000090; // float invalid operation
        }
    default: return 0;
    }
}

bool CrashReport::parse(const QStringList& args, CrashReport* report)
{
    if (args.size() != 5 || args.at(1) != QLatin1String(kOption))
        return false;
    bool codeOk = false;
    bool addressOk = false;
    const quint32 code = args.at(2).toUInt(&codeOk, 16);
    const quint64 address = args.at(3).toULongLong(&addressOk, 16);
    if (!codeOk || !addressOk)
        return false;
    *report = CrashReport(code, address, args.at(4));
    return true;
}

QString CrashReport::title()
{
    return QStringLiteral("Software crash");
}

QString CrashReport::text() const
{
    return QStringLiteral("error code:%1. address:%2 \r\n")
               .arg(QString::number(m_code, 16), QString::number(m_address, 16)) +
        QStringLiteral("crash dump file already saved in") + m_dumpDir;
}
