#include "ui/viewers/EditDlg.h"
#include "ui_EditDlg.h"

#include "app/Config.h"

#include <QPushButton>

namespace {

const QDate kUnsetBirthday(1900, 1, 1);
const QDate kShownForUnset(2000, 1, 1);

} // namespace

EditDlg::EditDlg(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::EditDlg)
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->dateeditBirthday->setLocale(QLocale::system());
    ui->dateeditBirthday->setDisplayFormat("M/d/yyyy");
    ui->comboxSex->addItems({tr("Male"), tr("Female")});
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    const bool chinese = Config::instance()->isChineseEdition();
    ui->editRemarks->setMaxLength(chinese ? 130 : 150);
    m_nameLimit = chinese ? 6 : 24;
    for (QWidget* w : QList<QWidget*>{ui->lblHeight, ui->spinHeight, ui->lblWeight, ui->spinWeight})
        w->setVisible(chinese);
    ui->btnRestore->hide();
    connect(ui->btnRestore, &QPushButton::clicked, this, &EditDlg::onBtnRestoreClicked);
    connect(ui->editRemarks, &QPlainTextEdit::textChanged, this, &EditDlg::onRemarkTxtChanged);
    connect(ui->editPatientID, &QLineEdit::textEdited, this, [this] { markChanged(PatientId); });
    connect(ui->editName, &QLineEdit::textEdited, this, [this] { markChanged(Name); });
    connect(ui->comboxSex, QOverload<int>::of(&QComboBox::activated), this, [this] { markChanged(Sex); });
    connect(ui->dateeditBirthday, &QDateEdit::dateChanged, this, [this] { markChanged(Birthday); });
    connect(ui->spinHeight, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] { markChanged(Height); });
    connect(ui->spinWeight, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            [this] { markChanged(Weight); });
    setPatientIdMode(false);
}

EditDlg::~EditDlg()
{
    delete ui;
}

void EditDlg::markChanged(Field field)
{
    if (!m_filling)
        m_changed |= field;
}

void EditDlg::setPatientIdMode(bool patientId)
{
    ui->labelID->setVisible(patientId);
    ui->editPatientID->setVisible(patientId);
    ui->editPatientID->setMaxLength(20);
    if (patientId)
        m_nameLimit = 20;
    ui->labelBirthday->setVisible(!patientId);
    ui->dateeditBirthday->setVisible(!patientId);
}

void EditDlg::setUser(const CheckUser& user)
{
    m_user = user;
    m_changed = 0;
    m_filling = true;
    ui->dateeditBirthday->setDateRange(kUnsetBirthday, QDate::currentDate());
    ui->editPatientID->setMaxLength(qMax(20, user.medicalid.size()));
    ui->editPatientID->setText(user.medicalid);
    // A stored name beyond the limit is kept whole; only new typing is limited.
    ui->editName->setMaxLength(qMax(m_nameLimit, user.name.size()));
    ui->editName->setText(user.name);
    ui->comboxSex->setCurrentIndex(user.sex == 0 || user.sex == 1 ? user.sex : -1);
    const bool unset = !user.birthday.isValid() || user.birthday == kUnsetBirthday;
    ui->dateeditBirthday->setDate(unset ? kShownForUnset : user.birthday);
    ui->editRemarks->setMaxLength(qMax(ui->editRemarks->maxLength(), user.remarks.size()));
    ui->editRemarks->setPlainText(user.remarks);
    ui->spinHeight->setValue(user.height);
    ui->spinWeight->setValue(user.weight / 10.0);
    m_filling = false;
    showRemarkCount();
}

CheckUser EditDlg::user() const
{
    CheckUser edited = m_user;
    if (m_changed & PatientId)
        edited.medicalid = ui->editPatientID->text();
    if (m_changed & Name)
        edited.name = ui->editName->text();
    if ((m_changed & Sex) && ui->comboxSex->currentIndex() >= 0)
        edited.sex = ui->comboxSex->currentIndex();
    if (m_changed & Birthday)
        edited.birthday = ui->dateeditBirthday->date();
    if (m_changed & Remarks)
        edited.remarks = ui->editRemarks->toPlainText();
    if (m_changed & Height)
        edited.height = ui->spinHeight->value();
    if (m_changed & Weight)
        edited.weight = qRound(ui->spinWeight->value() * 10);
    return edited;
}

void EditDlg::on_buttonBox_accepted()
{
    m_user = user();
    m_changed = 0;
    emit updateUser();
    accept();
}

void EditDlg::onBtnRestoreClicked()
{
    setUser(m_user);
}

void EditDlg::onRemarkTxtChanged()
{
    markChanged(Remarks);
    showRemarkCount();
}

void EditDlg::showRemarkCount()
{
    ui->lblRemardHint->setText(
        QString("%1/%2").arg(ui->editRemarks->toPlainText().size()).arg(ui->editRemarks->maxLength()));
}
