// Stores 10,000 daily checks of one user of one device (three statements per
// check) and queries them back, in a fresh database in a temporary folder.

#include "BenchSupport.h"
#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DailyRecord.h"
#include "files/RecordCodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>

namespace {

constexpr int kRecords = 10000;
constexpr int kRuns = 5;

QList<QByteArray> dailyChecks(int count)
{
    QList<QByteArray> records;
    const QDateTime start(QDate(2024, 1, 1), QTime(0, 0));
    for (int i = 0; i < count; ++i) {
        const QDateTime at = start.addSecs(i * 61);
        DailyRecord r;
        r.checkTime = CheckTime{quint16(at.date().year()), quint8(at.date().month()),  quint8(at.date().day()),
                                quint8(at.time().hour()),  quint8(at.time().minute()), quint8(at.time().second())};
        r.HR = qint16(60 + i % 40);
        r.SpO2 = qint8(90 + i % 10);
        r.PI = qint8(i % 100);
        r.voice = qint8(i % 2);
        records << RecordCodec::encode(r);
    }
    return records;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool small = BenchSupport::isSmallRun(argc, argv);
    const int recordCount = small ? 200 : kRecords;
    const int runs = small ? 1 : kRuns;
    const BenchSupport::ScratchHome home;
    QCoreApplication app(argc, argv);
    Config::instance()->setDataDir(home.path());
    DbOperator* db = DbOperator::instance();

    DeviceInfo device;
    device.sn = "BENCH0000001";
    device.modelType = 7;
    CheckUser user;
    user.userid = device.sn + "Anna";
    user.name = "Anna";
    db->storeDevice(device);
    db->storeUsers(device.sn, {user});
    const QList<QByteArray> records = dailyChecks(recordCount);

    QVector<double> store, restore, query;
    int returned = 0;
    for (int run = 0; run < runs; ++run) {
        QSqlQuery clear(QSqlDatabase::database("db_vitacor"));
        for (const char* table : {"tb_dailycheck", "tb_devCheck", "tb_check"})
            clear.exec(QString("delete from ") + table);
        QElapsedTimer timer;
        timer.start();
        const bool stored = db->insertChecks(device.sn, CheckType::DailyCheck, records, user);
        store << timer.nsecsElapsed() / 1e6;
        timer.restart();
        db->insertChecks(device.sn, CheckType::DailyCheck, records, user);
        restore << timer.nsecsElapsed() / 1e6;
        timer.restart();
        returned = db->checks(device.sn, CheckType::DailyCheck, user.userid).size();
        query << timer.nsecsElapsed() / 1e6;
        if (!stored || returned != recordCount) {
            QTextStream(stderr) << "store or query failed: " << returned << " records back\n";
            return 1;
        }
    }
    QTextStream out(stdout);
    out << recordCount << " daily checks of one user, one device, median of " << runs << " runs:\n";
    out << "  store (empty tables):     " << BenchSupport::median(store) << " ms (target < 500 ms)\n";
    out << "  store again (replace):    " << BenchSupport::median(restore) << " ms\n";
    out << "  query back, newest first: " << BenchSupport::median(query) << " ms (" << returned << " records)\n";
    return 0;
}
