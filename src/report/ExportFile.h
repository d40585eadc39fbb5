#pragma once

#include <QIODevice>
#include <QSaveFile>
#include <QString>

// The device an export (PDF, JPG, CSV) is written into: a temporary file
// beside the target, renamed over it only when every byte was written. The
// first write error ends the export with the system's reason ("No space left
// on device"), also where the writer on top (the PDF writer) does not look at
// what its writes return; the target stays untouched and the temporary file
// goes.
class ExportFile : public QIODevice
{
public:
    explicit ExportFile(const QString& path);
    ~ExportFile() override;

    // Opens the temporary file; false with error() when it cannot be made.
    bool open();
    // Renames the complete file into place; false with error() after any
    // write error, and the temporary file removed.
    bool commit();
    // The system's reason of the first failure.
    QString error() const { return m_error; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    using QIODevice::open;

    QSaveFile m_file;
    QString m_error;
};
