#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// Reads the wire trace of the emulated bus: one line per HID report.
class TraceFile
{
public:
    struct Line
    {
        char direction;
        QString monitor;
        QByteArray bytes;
    };

    static QList<Line> read(const QString& path)
    {
        QList<Line> lines;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return lines;
        while (!file.atEnd()) {
            const QList<QByteArray> parts = file.readLine().trimmed().split(' ');
            if (parts.size() == 3 && parts[0].size() == 1)
                lines << Line{parts[0].at(0), QString::fromUtf8(parts[1]), QByteArray::fromHex(parts[2])};
        }
        return lines;
    }

    // The command code of every framed request the host sent, in order: the first
    // report of a request carries report id 0, start byte 0xAC, then the command.
    static QList<int> requestCommands(const QList<Line>& lines)
    {
        QList<int> commands;
        int reportsLeft = 0;
        for (const Line& line : lines) {
            if (line.direction != '>')
                continue;
            if (reportsLeft > 0) {
                --reportsLeft;
                continue;
            }
            if (quint8(line.bytes.at(1)) == 0xAC) {
                commands << quint8(line.bytes.at(2));
                reportsLeft = 17;
            } else {
                reportsLeft = 9; // identification
            }
        }
        return commands;
    }
};
