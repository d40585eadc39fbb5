#include "gallery/SettingsScreens.h"

#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "gallery/Gallery.h"
#include "ui/settings/Aboutme.h"
#include "ui/settings/SetDataDirDlg.h"
#include "ui/settings/SettingDlg.h"
#include "ui/viewers/EditDlg.h"

#include <QApplication>

namespace {

QImage shot(QWidget& widget)
{
    widget.setAttribute(Qt::WA_DontShowOnScreen);
    widget.show();
    QApplication::processEvents();
    return widget.grab().toImage();
}

// The edition code for the screens that show it; the gallery's language otherwise.
QImage withLanguage(int code, const std::function<QImage()>& render)
{
    Config* config = Config::instance();
    const int shown = config->language();
    config->setLanguage(code);
    const QImage image = render();
    config->setLanguage(shown);
    return image;
}

} // namespace

namespace SettingsScreens {

void addTo(Gallery& gallery)
{
    gallery.add("SettingDlg", [] {
        SettingDlg dialog;
        return shot(dialog);
    });
    gallery.add("Aboutme", [] {
        Aboutme dialog;
        return shot(dialog);
    });
    gallery.add("AboutmeChineseEdition", [] {
        return withLanguage(2, [] {
            Aboutme dialog;
            return shot(dialog);
        });
    });
    gallery.add("SetDataDirDlg", [] {
        SetDataDirDlg dialog(SetDataDirDlg::Mode::FirstStart);
        return shot(dialog);
    });
    gallery.add("EditDlgBirthday", [] {
        CheckUser user;
        user.name = "Maria Hoffmann";
        user.sex = 1;
        user.birthday = QDate(1956, 3, 14);
        user.height = 168;
        user.weight = 725;
        user.remarks = "Follow-up after medication change.";
        return withLanguage(2, [&user] {
            EditDlg dialog;
            dialog.setPatientIdMode(false);
            dialog.setUser(user);
            return shot(dialog);
        });
    });
}

} // namespace SettingsScreens
