#pragma once

#include "files/CheckUser.h"

#include <QDialog>
#include <QModelIndex>
#include <QString>
#include <QVector>

namespace Ui {
class SummaryDlg;
}
class HolterReport;
struct HolterScreening;
class QStandardItemModel;

// The summary of one Holter recording: patient and recording information,
// the device's figures, editable clinical notes and the strip screening,
// from which one minute, the whole ECG or the Holter report is opened. It
// reads the one shared recording, so it and every dialog it opens are modal.
class SummaryDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kIndicationLimit = 300;
    static constexpr int kCommentLimit = 370;
    // The strip list's item data role holding the minute index.
    static constexpr int kMinuteRole = Qt::UserRole + 1;

    // report: the recording to load; the application's shared one by default.
    explicit SummaryDlg(QWidget* parent = nullptr, HolterReport* report = nullptr);
    ~SummaryDlg() override;

    // The patient shown and edited; give it before setData.
    void setUser(const CheckUser& user);
    const CheckUser& user() const { return m_user; }
    // Loads data directory/sn/fileName and fills the dialog; false when the
    // recording cannot be read, which leaves its fields empty.
    bool setData(const QString& sn, const QString& fileName);
    bool isEditing() const { return m_editing; }
    HolterReport* report() const { return m_report; }
    // The minutes of the last screening, ascending.
    const QVector<int>& matchedMinutes() const { return m_matched; }

signals:
    void userInfoChanged();

public slots:
    void on_btnEdit_clicked();
    void onCheckboxStateChanged(bool);
    void onClickStripsItem(QModelIndex index);
    void on_btnViewEcg_clicked();
    void on_btnReprot_clicked();
    void on_btnEdf_clicked();
    void onTxtCntInfo();
    void onEditStateChanged();

private:
    void fillUser();
    void fillRecording();
    // The criteria ticked.
    HolterScreening screening() const;
    // Copies the edited notes into the user and stores them; false when the store refused.
    bool saveUser();
    // A dialog of this recording, modal over this one and deleted on close.
    template <class Dialog>
    Dialog* openChild();
    // Shows a dialog of the whole recording once it is loaded.
    template <class Dialog>
    void openRecordingDialog();

    Ui::SummaryDlg* ui;
    QStandardItemModel* m_strips;
    HolterReport* m_report;
    CheckUser m_user;
    QString m_sn;
    QString m_fileName;
    QVector<int> m_matched;
    bool m_editing = false;
};
