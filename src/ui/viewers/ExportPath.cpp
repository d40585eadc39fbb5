#include "ui/viewers/ExportPath.h"

#include "app/Config.h"
#include "sync/ExportGuard.h"
#include "ui/MyMessageBox.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace ExportPath {

QString ask(QWidget* parent, const QString& caption, const QString& defaultName, const QString& filter)
{
    const QString path =
        QFileDialog::getSaveFileName(parent, caption, Config::instance()->lastSaveDir() + "/" + defaultName, filter);
    if (path.isEmpty())
        return path;
    Config::instance()->setLastSaveDir(path);
    const QString refusal = ExportGuard().refusal(path);
    if (refusal.isEmpty())
        return path;
    MyMessageBox::error(parent, QCoreApplication::translate("ExportPath", "Message"), refusal);
    return QString();
}

} // namespace ExportPath
