#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// The main window's "Save as PDF" of selected Holter rows: one Holter ECG
// report per recording, "Report_<sn>_<yyyyMMddHHmmss>.pdf" in a folder the
// user picks. An existing file is replaced only when the user says so.
namespace HolterPdfBatch {

struct Recording
{
    QString sn;
    QString checkTime;
};

// The file a recording's report goes to in `folder`.
QString filePath(const QString& folder, const Recording& recording);
// Writes the reports of `recordings` (in that order) into `folder`; a file
// that exists is replaced only when `replace` agrees, and a report that
// cannot be written is passed to `failed`. Returns the number written.
int writeAll(const QString& folder, const QList<Recording>& recordings,
             const std::function<bool(const QString&)>& replace, const std::function<void(const QString&)>& failed);
// Asks for the folder, then writes as above with message boxes; returns the
// number written (0 when cancelled).
int save(QWidget* parent, const QList<Recording>& recordings);

} // namespace HolterPdfBatch
