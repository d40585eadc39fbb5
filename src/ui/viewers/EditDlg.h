#pragma once

#include "files/CheckUser.h"

#include <QDialog>

namespace Ui {
class EditDlg;
}

// Edits the patient details of a report. Only the fields the user changed
// are written back; every other field keeps its stored value exactly.
class EditDlg : public QDialog
{
    Q_OBJECT
public:
    explicit EditDlg(QWidget* parent = nullptr);
    ~EditDlg() override;

    // Spot-check reports show a patient id instead of the birth date.
    void setPatientIdMode(bool patientId);
    void setUser(const CheckUser& user);
    // The stored user with the fields changed in the dialog.
    CheckUser user() const;

signals:
    void updateUser();

private slots:
    void on_buttonBox_accepted();
    void onBtnRestoreClicked();
    void onRemarkTxtChanged();

private:
    enum Field { PatientId = 1, Name = 2, Sex = 4, Birthday = 8, Remarks = 16, Height = 32, Weight = 64 };
    void markChanged(Field field);
    void showRemarkCount();

    Ui::EditDlg* ui;
    CheckUser m_user;
    int m_changed = 0;
    bool m_filling = false;
    int m_nameLimit = 24;
};
