#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DailyRecord.h"
#include "files/DeviceModel.h"
#include "files/EcgRecord.h"
#include "files/RecordCodec.h"
#include "support/DbTestSupport.h"
#include "ui/records/TreeModelBuilder.h"

#include <QStandardItemModel>
#include <QtTest>

namespace {

QByteArray ecgRecord(int second)
{
    EcgRecord r;
    r.checkTime = CheckTime{2024, 1, 2, 8, 0, quint8(second)};
    return RecordCodec::encode(r);
}

QByteArray dailyRecord(int second)
{
    DailyRecord r;
    r.checkTime = CheckTime{2024, 1, 3, 9, 0, quint8(second)};
    r.HR = 70;
    return RecordCodec::encode(r);
}

QStringList childTexts(const QStandardItem* node)
{
    QStringList texts;
    for (int i = 0; i < node->rowCount(); ++i)
        texts << node->child(i)->text();
    return texts;
}

QStandardItem* childOfType(const QStandardItem* node, int checkType)
{
    for (int i = 0; i < node->rowCount(); ++i)
        if (node->child(i)->data(TreeModelBuilder::CheckTypeRole).toInt() == checkType)
            return node->child(i);
    return nullptr;
}

} // namespace

class TestTreeModelBuilder : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void emptyStoreGivesEmptyTree();
    void devicesNewestFirstWithOfferedTypesInOrder();
    void usersAndCountsAndDecrement();
    void rebuildAddsOnlyStoredDevices();
    void dailyOnlyModelNamesEveryCountNodeAlike();
    void multiTestOnlyInChineseEdition();

private:
    QStandardItemModel m_model;
    TreeModelBuilder m_builder;
};

void TestTreeModelBuilder::init()
{
    QVERIFY(QDir().mkpath(Config::instance()->dataDir())); // as the program's start does
    DbOperator::instance();
    for (const char* table : {"tb_device", "tb_devCheck", "tb_check", "tb_user", "tb_devUser", "tb_ecg",
                              "tb_dailycheck", "tb_multitest", "tb_multitest_reportusr"})
        QVERIFY(DbTestSupport::run(QString("delete from ") + table));
    m_model.clear();
    m_builder.setModel(&m_model);
    Config::instance()->setLanguage(1);
}

void TestTreeModelBuilder::emptyStoreGivesEmptyTree()
{
    m_builder.buildAll();
    QCOMPARE(m_model.rowCount(), 0);
}

void TestTreeModelBuilder::devicesNewestFirstWithOfferedTypesInOrder()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device("OLD1", 0)));
    QVERIFY(db->storeDevice(DbTestSupport::device("C1", 5)));
    QVERIFY(db->insertChecks("OLD1", CheckType::Ecg, {ecgRecord(1), ecgRecord(2)}));
    m_builder.buildAll();

    QCOMPARE(m_model.rowCount(), 2);
    QStandardItem* corviset = m_model.item(0);
    QCOMPARE(corviset->text(), QString("Cardivane_C1"));
    QCOMPARE(corviset->data(TreeModelBuilder::KindRole).toInt(), int(TreeModelBuilder::DeviceNode));
    QCOMPARE(corviset->data(TreeModelBuilder::ModelRole).toInt(), 5);
    QCOMPARE(corviset->data(TreeModelBuilder::OnlineRole).toBool(), false);
    QCOMPARE(childTexts(corviset), QStringList({CheckType::name(512) + "  (0)"}));

    QStandardItem* pro = m_model.item(1);
    QCOMPARE(pro->text(), QString("Vitacor_OLD1"));
    QStandardItem* ecg = childOfType(pro, CheckType::Ecg);
    QVERIFY(ecg);
    QCOMPARE(ecg->text(), CheckType::name(1) + "  (2)");
    QCOMPARE(ecg->data(TreeModelBuilder::KindRole).toInt(), int(TreeModelBuilder::CountNode));
    QCOMPARE(ecg->data(TreeModelBuilder::SerialRole).toString(), QString("OLD1"));

    // Children follow the fixed order, filtered by the model's offer.
    const QList<int> order = {512, 1, 2, 4, 64, 2048, 8, 256, 128, 16, 32, 1024, 4096, 8192};
    int last = -1;
    for (int i = 0; i < pro->rowCount(); ++i) {
        const int type = pro->child(i)->data(TreeModelBuilder::CheckTypeRole).toInt();
        QVERIFY(DeviceModel::of(0).offers(type));
        const int position = order.indexOf(type);
        QVERIFY2(position > last, qPrintable(QString::number(type)));
        last = position;
    }
}

void TestTreeModelBuilder::usersAndCountsAndDecrement()
{
    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device("SN1", 0)));
    const CheckUser anna = DbTestSupport::user("SN1", "Anna");
    QVERIFY(db->storeUsers("SN1", {anna}));
    QVERIFY(db->insertChecks("SN1", CheckType::DailyCheck, {dailyRecord(1)}, anna));
    m_builder.buildAll();

    QStandardItem* daily = childOfType(m_model.item(0), CheckType::DailyCheck);
    QVERIFY(daily);
    QCOMPARE(daily->data(TreeModelBuilder::KindRole).toInt(), int(TreeModelBuilder::UsersNode));
    QCOMPARE(daily->text(), CheckType::name(16));
    QCOMPARE(daily->rowCount(), 1);
    QStandardItem* user = daily->child(0);
    QCOMPARE(user->text(), QString("Anna  (1)"));
    QCOMPARE(user->toolTip(), QString("Anna  (1)"));
    QCOMPARE(user->data(TreeModelBuilder::UserIdRole).toString(), anna.userid);
    QCOMPARE(user->data(TreeModelBuilder::KindRole).toInt(), int(TreeModelBuilder::UserNode));

    m_builder.decrementCount("SN1", CheckType::DailyCheck, anna.userid);
    QCOMPARE(user->text(), QString("Anna  (0)")); // the node stays
    QCOMPARE(daily->text(), CheckType::name(16)); // no count of its own

    QStandardItem* ecg = childOfType(m_model.item(0), CheckType::Ecg);
    m_builder.decrementCount("SN1", CheckType::Ecg, QString());
    QCOMPARE(ecg->text(), CheckType::name(1) + "  (-1)");
}

void TestTreeModelBuilder::rebuildAddsOnlyStoredDevices()
{
    m_builder.buildAll();
    m_builder.rebuildDevice("NOPE");
    QCOMPARE(m_model.rowCount(), 0);

    DbOperator* db = DbOperator::instance();
    QVERIFY(db->storeDevice(DbTestSupport::device("NEW1", 0)));
    m_builder.rebuildDevice("NEW1");
    QCOMPARE(m_model.rowCount(), 1);
    QStandardItem* node = m_model.item(0);
    QCOMPARE(node->data(TreeModelBuilder::OnlineRole).toBool(), true);
    const int children = node->rowCount();
    QVERIFY(children > 0);
    QCOMPARE(childOfType(node, CheckType::Ecg)->text(), CheckType::name(1) + "  (0)");

    QVERIFY(db->insertChecks("NEW1", CheckType::Ecg, {ecgRecord(5)}));
    m_builder.rebuildDevice("NEW1");
    QCOMPARE(m_model.rowCount(), 1);
    QCOMPARE(node->rowCount(), children);
    QCOMPARE(childOfType(node, CheckType::Ecg)->text(), CheckType::name(1) + "  (1)");
}

void TestTreeModelBuilder::dailyOnlyModelNamesEveryCountNodeAlike()
{
    QVERIFY(DbOperator::instance()->storeDevice(DbTestSupport::device("Q1", 53)));
    m_builder.buildAll();
    QStandardItem* node = m_model.item(0);
    QCOMPARE(node->text(), QString("QMR4_Q1"));
    QVERIFY(node->rowCount() > 0);
    for (int i = 0; i < node->rowCount(); ++i) {
        QStandardItem* child = node->child(i);
        if (child->data(TreeModelBuilder::KindRole).toInt() == TreeModelBuilder::CountNode)
            QVERIFY2(child->text().startsWith(CheckType::name(512) + "  ("), qPrintable(child->text()));
    }
    QStandardItem* daily = childOfType(node, CheckType::DailyCheck);
    QVERIFY(daily);
    QCOMPARE(daily->data(TreeModelBuilder::KindRole).toInt(), int(TreeModelBuilder::CountNode));
}

void TestTreeModelBuilder::multiTestOnlyInChineseEdition()
{
    QVERIFY(DbOperator::instance()->storeDevice(DbTestSupport::device("M1", 99)));
    m_builder.buildAll();
    QVERIFY(!childOfType(m_model.item(0), CheckType::MultiTest));

    m_model.clear();
    Config::instance()->setLanguage(2);
    m_builder.buildAll();
    QStandardItem* multi = childOfType(m_model.item(0), CheckType::MultiTest);
    QVERIFY(multi);
    QCOMPARE(multi->data(TreeModelBuilder::KindRole).toInt(), int(TreeModelBuilder::UsersNode));
}

QTEST_MAIN(TestTreeModelBuilder)
#include "TestTreeModelBuilder.moc"
