// Feeds arbitrary bytes to the Holter loader and, when it accepts them, to
// every accessor the Holter screens use. Built with libFuzzer under clang
// (VITACOR_LIBFUZZER), or with its own main that replays corpus files.

#include "HolterReport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > INT_MAX)
        return 0;
    // One report reused for every input, as the application reuses its one.
    static HolterReport report;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    report.loadData(bytes);
    const QStringList texts = {report.durationText(), report.leadText(),     report.maxHrText(),    report.minHrText(),
                               report.avgHrText(),    report.qrsCountText(), report.pvcCountText(), report.sdnnText(),
                               report.rmssdText(),    report.meanText(),     report.pnn50Text()};
    qint64 sum = texts.join(QString()).size() + report.pauseStripCount();
    sum += report.matchStrips(50, 120, 120, 480, 2, true, true).size();
    sum += report.minuteStart(report.minuteCount()).isValid();
    for (const qint16 sample : report.samples())
        sum += sample;
    return sum == LLONG_MIN ? 1 : 0; // keeps the reads from being optimised away
}

#ifndef VITACOR_LIBFUZZER
// Replays every file named on the command line, or found in a named folder.
int main(int argc, char* argv[])
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QFile::decodeName(argv[i]);
        QStringList files;
        if (QFileInfo(arg).isDir()) {
            for (const QString& name : QDir(arg).entryList(QDir::Files, QDir::Name))
                files << QDir(arg).filePath(name);
        } else {
            files << arg;
        }
        for (const QString& path : files) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
#endif
