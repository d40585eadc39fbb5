// Opening and scrolling the record list of one device with many ECG checks:
// time to the first screen of rows, the scroll steps (one wheel notch,
// painted) of three passes from top to bottom, and the process's peak memory.
// A shared machine pauses now and then for a few milliseconds; such a pause
// lands on a random step of one pass, a slow step of the list on every pass,
// so the slowest step of the best pass is printed beside the slowest of all. Then the two-user
// daily monitor's list: opening it, filling its user and result filters and
// filtering, with the number of row widgets made (the list stays lazy).
#include "BenchSupport.h"

#include "app/Config.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DailyRecord.h"
#include "files/DetailPath.h"
#include "files/DeviceModel.h"
#include "files/EcgDetail.h"
#include "files/EcgRecord.h"
#include "files/RecordCodec.h"
#include "ui/records/CheckDispController.h"
#include "ui/records/MyListWidget.h"
#include "ui/rows/CheckItemBase.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QtMath>

#include <cmath>

namespace {

constexpr int kStripSamples = 250 * 30;

CheckTime timeOf(int index)
{
    return CheckTime{2024,
                     quint8(1 + index / 2880 % 12),
                     quint8(1 + index / 96 % 28),
                     quint8(index / 4 % 24),
                     quint8(index % 4 * 15),
                     quint8(index / 34560)};
}

QByteArray detailBytes(EcgDetail::Form form = EcgDetail::Form::Short, int result = 0)
{
    EcgHeader header;
    header.heartRate = 72;
    header.result = quint8(result);
    header.waveLength = kStripSamples * 2;
    QVector<qint16> samples(kStripSamples);
    for (int i = 0; i < samples.size(); ++i)
        samples[i] = qint16(400 * std::sin(i * 2 * M_PI / 200));
    return EcgDetail::toBytes(header, samples, form);
}

bool storeChecks(const QString& sn, int count)
{
    DbOperator* db = DbOperator::instance();
    DeviceInfo device;
    device.sn = sn;
    if (!db->storeDevice(device))
        return false;
    const QString folder = Config::instance()->dataDir() + "/" + sn;
    QDir().mkpath(folder);
    const QByteArray detail = detailBytes();
    QList<QByteArray> records;
    for (int i = 0; i < count; ++i) {
        EcgRecord record;
        record.checkTime = timeOf(i);
        records << RecordCodec::encode(record);
        QFile file(DetailPath::of(Config::instance()->dataDir(), sn, record.checkTime.text()));
        if (!file.open(QIODevice::WriteOnly) || file.write(detail) != detail.size())
            return false;
    }
    return db->insertChecks(sn, CheckType::Ecg, records);
}

// Daily checks of the two-user monitor, users A and B alternating, with three
// pulse verdicts (regular, irregular, poor signal).
bool storeTwoUserChecks(const QString& sn, int count)
{
    DbOperator* db = DbOperator::instance();
    DeviceInfo device;
    device.sn = sn;
    device.modelType = DeviceModel::kQmr4Type;
    CheckUser user;
    user.userid = sn + "user";
    user.name = "user";
    if (!db->storeDevice(device) || !db->storeUsers(sn, {user}))
        return false;
    QDir().mkpath(Config::instance()->dataDir() + "/" + sn);
    const QByteArray details[] = {detailBytes(EcgDetail::Form::Long, 0), detailBytes(EcgDetail::Form::Long, 0x05),
                                  detailBytes(EcgDetail::Form::Long, 0xFF)};
    QList<QByteArray> records;
    for (int i = 0; i < count; ++i) {
        DailyRecord record;
        record.checkTime = timeOf(i);
        record.BPFlag = quint8(1 + i % 2);
        records << RecordCodec::encode(record);
        const QByteArray& detail = details[i % 3];
        QFile file(DetailPath::of(Config::instance()->dataDir(), sn, record.checkTime.text()));
        if (!file.open(QIODevice::WriteOnly) || file.write(detail) != detail.size())
            return false;
    }
    return db->insertChecks(sn, CheckType::DailyCheck, records, user);
}

double msSince(QElapsedTimer& timer)
{
    const double ms = timer.nsecsElapsed() / 1e6;
    timer.restart();
    return ms;
}

bool benchTwoUserList(QTextStream& out, MyListWidget& list, CheckDispController& controller, int count)
{
    const QString sn = QString("QMR%1").arg(count);
    if (!storeTwoUserChecks(sn, count)) {
        out << "cannot store " << count << " two-user checks\n";
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    controller.setQuery(sn, CheckType::DailyCheck, QString());
    controller.rebuildList();
    list.viewport()->repaint();
    const double open = msSince(timer);
    const QStringList users = controller.distinctUsers();
    const QStringList results = controller.distinctResults();
    const double filters = msSince(timer);
    controller.filter("B", results.value(1));
    list.viewport()->repaint();
    const double filtered = msSince(timer);
    out << QString("%1  %2  %3  %4  %5  %6  %7\n")
               .arg(count, 6)
               .arg(open, 7, 'f', 1)
               .arg(filters, 10, 'f', 1)
               .arg(filtered, 9, 'f', 1)
               .arg(list.count(), 6)
               .arg(controller.builtRows().size(), 10)
               .arg(users.join('/') + " " + QString::number(results.size()), 14);
    out.flush();
    return true;
}

// Scrolls from the top to the bottom of the list one wheel notch at a time;
// the time of each step.
QVector<double> scrollPass(MyListWidget& list)
{
    QScrollBar* bar = list.verticalScrollBar();
    bar->setValue(0);
    QApplication::processEvents();
    QVector<double> steps;
    const int notch = 3 * bar->singleStep();
    QElapsedTimer timer;
    while (bar->value() < bar->maximum()) {
        timer.start();
        bar->setValue(bar->value() + notch);
        list.viewport()->repaint();
        QApplication::processEvents();
        steps << timer.nsecsElapsed() / 1e6;
    }
    return steps;
}

double slowest(const QVector<double>& steps)
{
    return steps.isEmpty() ? 0 : *std::max_element(steps.begin(), steps.end());
}

long peakKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool small = BenchSupport::isSmallRun(argc, argv);
    BenchSupport::ScratchHome home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(BenchSupport::dropDebugLines);
    QApplication app(argc, argv);
    QTextStream out(stdout);
    // The store's file lives in the data directory, which a fresh home lacks.
    QDir().mkpath(Config::instance()->dataDir());
    if (!DbOperator::instance()->openAndInit()) {
        out << "cannot open the record store\n";
        return 1;
    }
    MyListWidget list;
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.resize(800, 700);
    list.show();
    CheckDispController controller;
    controller.setList(&list);
    QApplication::processEvents();

    // One frame at 60 Hz.
    constexpr double kFrameMs = 16.0;
    out << "checks  first screen ms  scroll steps  slowest ms  best pass's slowest ms  median ms  p99 ms  over a frame "
           " "
           "peak MB\n";
    for (int count : small ? QList<int>{100} : QList<int>{100, 1000, 10000}) {
        const QString sn = QString("BENCH%1").arg(count);
        if (!storeChecks(sn, count)) {
            out << "cannot store " << count << " checks\n";
            return 1;
        }
        QElapsedTimer timer;
        timer.start();
        controller.setQuery(sn, CheckType::Ecg, QString());
        controller.rebuildList();
        list.viewport()->repaint();
        const double firstScreen = timer.nsecsElapsed() / 1e6;

        QVector<double> steps;
        double bestPass = -1;
        for (int pass = 0; pass < (small ? 1 : 3); ++pass) {
            const QVector<double> passSteps = scrollPass(list);
            bestPass = bestPass < 0 ? slowest(passSteps) : qMin(bestPass, slowest(passSteps));
            steps << passSteps;
        }
        const auto overFrame = std::count_if(steps.begin(), steps.end(), [](double ms) { return ms > kFrameMs; });
        out << QString("%1  %2  %3  %4  %5  %6  %7  %8  %9\n")
                   .arg(count, 6)
                   .arg(firstScreen, 15, 'f', 1)
                   .arg(steps.size(), 12)
                   .arg(slowest(steps), 11, 'f', 1)
                   .arg(bestPass, 23, 'f', 1)
                   .arg(steps.isEmpty() ? 0 : BenchSupport::median(steps), 9, 'f', 2)
                   .arg(steps.isEmpty() ? 0 : BenchSupport::percentile(steps, 0.99), 6, 'f', 2)
                   .arg(int(overFrame), 12)
                   .arg(peakKb() / 1024.0, 7, 'f', 0);
        out.flush();
    }

    out << "\ntwo-user daily checks  open ms  filters ms  filter ms  listed  rows made  users results\n";
    for (int count : {1000, 10000}) {
        if (!benchTwoUserList(out, list, controller, count))
            return 1;
    }
    return 0;
}
