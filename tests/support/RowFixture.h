#pragma once

#include "app/Config.h"
#include "app/Constants.h"
#include "files/CheckRecord.h"
#include "files/DetailPath.h"
#include "files/EcgDetail.h"
#include "files/RecordCodec.h"
#include "ui/records/MyListWidget.h"
#include "ui/rows/CheckItemBase.h"
#include "ui/rows/CheckItemFactory.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidgetItem>
#include <QtTest>

#include <memory>

// Record rows built offscreen as the record list shows them, from records
// and detail files made by the test.
namespace RowFixture {

inline const QString kSn = QStringLiteral("RT0000001");
constexpr int kListWidth = 960;

inline CheckTime checkTime(int second = 7)
{
    return CheckTime{2021, 3, 4, 21, 5, quint8(second)};
}

// A stored check of the given type holding the typed record.
template <class R>
CheckRecord record(int checkType, R typed)
{
    typed.checkTime = checkTime();
    CheckRecord stored;
    stored.checkType = checkType;
    stored.userid = Vitacor::kNoUserId;
    stored.bytes = RecordCodec::encode(typed, RecordCodec::Layout::Stored);
    return stored;
}

inline void removeDetailFiles()
{
    QDir(Config::instance()->dataDir() + "/" + kSn).removeRecursively();
}

inline void writeDetail(const EcgHeader& header, const QVector<qint16>& samples,
                        EcgDetail::Form form = EcgDetail::Form::Short)
{
    const QString dir = Config::instance()->dataDir() + "/" + kSn;
    QVERIFY(QDir().mkpath(dir));
    QFile file(DetailPath::of(Config::instance()->dataDir(), kSn, checkTime().text()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(EcgDetail::toBytes(header, samples, form)) > 0);
}

inline QString listStyleSheet()
{
    QFile file(QStringLiteral(":/res/qss/listwidget-mainwindow.qss"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A list holding one row of the record, laid out and shown offscreen.
class ListedRow
{
public:
    ListedRow(const CheckRecord& stored, const DeviceInfo& device = DeviceInfo(), const CheckUser& user = CheckUser())
        : m_record(stored)
    {
        const int height = CheckItemFactory::rowHeight(stored.checkType);
        m_list.setProperty("showCheck", true);
        m_list.setStyleSheet(listStyleSheet());
        m_list.resize(kListWidth, height + 2 * m_list.frameWidth() + 2);
        m_row = CheckItemFactory::create(stored.checkType);
        m_item = new QListWidgetItem(&m_list);
        m_item->setSizeHint(QSize(100, height));
        m_list.setItemWidget(m_item, m_row);
        m_row->setListItem(m_item);
        if (!user.userid.isEmpty())
            m_row->setUser(user, false);
        DeviceInfo withSn = device;
        withSn.sn = kSn;
        m_row->setData(kSn, &m_record, withSn);
        m_list.show();
        QApplication::processEvents();
    }

    CheckItemBase* row() const { return m_row; }
    QWidget* widget() const { return m_row; }
    QListWidgetItem* item() const { return m_item; }
    MyListWidget& list() { return m_list; }

    QString text(const char* labelName) const
    {
        const QLabel* label = widget()->findChild<QLabel*>(labelName);
        return label ? label->text() : QStringLiteral("<no %1>").arg(labelName);
    }
    bool isShown(const char* childName) const
    {
        const QWidget* child = widget()->findChild<QWidget*>(childName);
        return child && child->isVisible();
    }

private:
    CheckRecord m_record;
    MyListWidget m_list;
    CheckItemBase* m_row = nullptr;
    QListWidgetItem* m_item = nullptr;
};

} // namespace RowFixture
