#include "ui/viewers/EdfExport.h"

#include "report/EdfRecording.h"
#include "report/EdfWriter.h"
#include "ui/MyMessageBox.h"
#include "ui/viewers/ExportPath.h"

#include <QCoreApplication>

namespace EdfExport {

bool save(QWidget* parent, const EdfRecording& recording, const QString& defaultName)
{
    const QString path = ExportPath::ask(parent, QCoreApplication::translate("EdfExport", "Save EDF+"), defaultName,
                                         QCoreApplication::translate("EdfExport", "EDF+ (*.edf)"));
    if (path.isEmpty())
        return false;
    QString error;
    if (EdfWriter::write(recording, path, &error))
        return true;
    MyMessageBox::error(parent, QCoreApplication::translate("EdfExport", "Message"),
                        QCoreApplication::translate("EdfExport", "create EDF file failed") + "\n" + error);
    return false;
}

} // namespace EdfExport
