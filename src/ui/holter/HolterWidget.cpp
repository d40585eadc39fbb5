#include "ui/holter/HolterWidget.h"
#include "ui_HolterWidget.h"

#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/HolterRecord.h"
#include "holter/HolterReport.h"
#include "report/DateTimeText.h"

HolterWidget::HolterWidget(QWidget* parent)
    : CheckItemBase(CheckType::Holter, parent)
{
    setUpForm<Ui::HolterWidget>();
}

QString HolterWidget::fileName() const
{
    return record() ? record()->checkTimeText() : QString();
}

qint64 HolterWidget::duration() const
{
    return record() ? record()->as<HolterRecord>().duration : 0;
}

void HolterWidget::display()
{
    auto* ui = form<Ui::HolterWidget>();
    QString gender;
    if (m_user.sex == 0)
        gender = tr("Male");
    else if (m_user.sex == 1)
        gender = tr("Female");
    ui->labelName->setText(line(tr("Patient Name:"), m_user.name));
    ui->labelGender->setText(line(tr("Gender:"), gender));
    ui->labelBirth->setText(line(tr("Date of Birth:"), DateTimeText::date(m_user.birthday)));
    ui->labelTotalTime->setText(line(tr("Total Time:"), HolterReport::durationText(duration())));
    ui->labelID->setVisible(showsId());
    ui->labelID->setText(line(tr("ID:"), m_user.medicalid));
}

void HolterWidget::onUserInfoChanged()
{
    CheckUser user;
    if (record() && DbOperator::instance()->reportUser(fileName() + sn(), &user))
        setUser(user, false);
    refresh();
}
