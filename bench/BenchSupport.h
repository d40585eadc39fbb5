#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>
#include <QtGlobal>

#include <algorithm>

// Shared pieces of the benchmark programs.
namespace BenchSupport {

// "--small": one quick run at a small size. The test command runs every
// benchmark so, so none can rot; the full sizes are for runs by hand.
inline bool isSmallRun(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--small") == 0)
            return true;
    }
    return false;
}

// The value below which the given share (0 to 1) of the values lie.
inline double percentile(QVector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values.at(qMin(values.size() - 1, int(values.size() * share)));
}

inline double median(const QVector<double>& values)
{
    return percentile(values, 0.5);
}

// A message handler that keeps the figures readable: debug lines are dropped,
// warnings and errors still reach stderr.
inline void dropDebugLines(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg)
        QTextStream(stderr) << text << '\n';
}

// Points the per-user folders (configuration, data directory, log) at a
// throw-away folder; make it before the application object.
class ScratchHome
{
public:
    ScratchHome()
    {
        qputenv("XDG_DATA_HOME", (m_dir.path() + "/home").toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + "/config").toUtf8());
    }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace BenchSupport
