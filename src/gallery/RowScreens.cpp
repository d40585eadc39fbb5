#include "gallery/RowScreens.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DetailPath.h"
#include "files/DeviceModel.h"
#include "files/RecordTypes.h"
#include "gallery/Gallery.h"
#include "ui/records/MyListWidget.h"
#include "ui/rows/CheckItemBase.h"
#include "ui/rows/CheckItemFactory.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

constexpr int kListWidth = 960;

using Accepts = std::function<bool(const CheckRecord&, const DeviceInfo&)>;

struct Variant
{
    QString name;
    int checkType;
    Accepts accepts;
    bool celsius = true;
    bool metric = true;
    bool missingDetail = false;
};

struct Found
{
    DeviceInfo device;
    CheckRecord record;
};

bool hasDetailFile(const CheckRecord& record, const DeviceInfo& device)
{
    return QFile::exists(DetailPath::of(Config::instance()->dataDir(), device.sn, record.checkTimeText()));
}

bool anyRecord(const CheckRecord&, const DeviceInfo&)
{
    return true;
}

bool find(int checkType, const Accepts& accepts, Found* found)
{
    const QList<DeviceInfo> devices = DbOperator::instance()->allDevices();
    for (const DeviceInfo& device : devices) {
        const QList<CheckRecord> records = DbOperator::instance()->checks(device.sn, checkType);
        for (const CheckRecord& record : records) {
            if (accepts(record, device)) {
                *found = {device, record};
                return true;
            }
        }
    }
    return false;
}

// The user the record list gives a row: the report user, else the monitor's.
CheckUser userOf(const Found& found)
{
    DbOperator* store = DbOperator::instance();
    CheckUser user;
    const QString checkTime = found.record.checkTimeText();
    if (found.record.checkType == CheckType::MultiTest) {
        store->multiTestReportUser(found.device.sn, checkTime, &user);
        return user;
    }
    if (store->reportUser(checkTime + found.device.sn, &user))
        return user;
    if (found.record.userid != Vitacor::kNoUserId)
        store->user(found.record.userid, &user);
    return user;
}

// Restores the settings a variant changed.
class SettingsScope
{
public:
    explicit SettingsScope(const Variant& variant)
        : m_celsius(Config::instance()->isCelsius())
        , m_metric(Config::instance()->isKilometre())
        , m_dataDir(Config::instance()->dataDir())
    {
        Config::instance()->setCelsius(variant.celsius);
        Config::instance()->setKilometre(variant.metric);
    }
    ~SettingsScope()
    {
        Config::instance()->setCelsius(m_celsius);
        Config::instance()->setKilometre(m_metric);
        Config::instance()->setDataDir(m_dataDir);
    }

private:
    const bool m_celsius;
    const bool m_metric;
    const QString m_dataDir;
};

QString listStyleSheet()
{
    QFile file(QStringLiteral(":/res/qss/listwidget-mainwindow.qss"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The row as the record list shows it under the mouse: in a list item with
// the list's style, select box and buttons visible.
QImage render(const Variant& variant)
{
    Found found;
    if (!find(variant.checkType, variant.accepts, &found))
        return QImage();
    const SettingsScope settings(variant);
    QTemporaryDir emptyDataDir;
    if (variant.missingDetail)
        Config::instance()->setDataDir(emptyDataDir.path());

    const int height = CheckItemFactory::rowHeight(variant.checkType);
    MyListWidget list;
    list.setProperty("showCheck", true);
    list.setStyleSheet(listStyleSheet());
    list.resize(kListWidth, height + 2 * list.frameWidth() + 2);
    CheckItemBase* row = CheckItemFactory::create(variant.checkType);
    auto* item = new QListWidgetItem(&list);
    item->setSizeHint(QSize(100, height));
    list.setItemWidget(item, row);
    row->setListItem(item);
    row->setUser(userOf(found), false);
    row->setData(found.device.sn, &found.record, found.device);
    list.show();
    QApplication::processEvents();
    // As with the mouse over it: the row shows its buttons.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(row, &enter);
    QApplication::processEvents();
    return list.grab().toImage();
}

template <class R>
std::function<bool(const CheckRecord&, const DeviceInfo&)> typed(std::function<bool(const R&)> accepts)
{
    return [accepts](const CheckRecord& record, const DeviceInfo&) { return accepts(record.as<R>()); };
}

QVector<Variant> variants()
{
    const auto bodyTemperature = typed<TempRecord>([](const TempRecord& r) { return r.target == 0 && r.temp != 0; });
    const auto notTwoUser = [](const CheckRecord& r, const DeviceInfo& d) {
        return d.modelType != DeviceModel::kQmr4Type && hasDetailFile(r, d);
    };
    const auto twoUser = [](const CheckRecord& r, const DeviceInfo& d) {
        return d.modelType == DeviceModel::kQmr4Type && hasDetailFile(r, d);
    };
    const auto cableLead = [](const CheckRecord& r, const DeviceInfo& d) {
        const int lead = r.as<EcgRecord>().way;
        return (lead == 3 || lead == 4) && hasDetailFile(r, d);
    };
    return {
        {"EcgWidget", CheckType::Ecg, cableLead},
        {"EcgWidget-nodetail", CheckType::Ecg, anyRecord, true, true, true},
        {"OxiWidget", CheckType::Oxi, typed<OxiRecord>([](const OxiRecord& r) { return r.PI >= 60 && r.PI < 100; })},
        {"TempWidget", CheckType::Temperature, bodyTemperature},
        {"TempWidget-object", CheckType::Temperature,
         typed<TempRecord>([](const TempRecord& r) { return r.target != 0 && r.temp != 0; })},
        {"TempWidget-fahrenheit", CheckType::Temperature, bodyTemperature, false},
        {"PedoWidget", CheckType::Pedometer, anyRecord},
        {"PedoWidget-imperial", CheckType::Pedometer, anyRecord, true, false},
        {"DailyWidget", CheckType::DailyCheck, notTwoUser},
        {"DailyWidget-model53", CheckType::DailyCheck, twoUser},
        {"SpotWidget", CheckType::SpotCheck,
         [](const CheckRecord& r, const DeviceInfo& d) {
             return r.as<SpotRecord>().checkFunc == 7 && hasDetailFile(r, d);
         }},
        {"SlmWidget", CheckType::Sleep, anyRecord},
        {"NibpWidget", CheckType::UserBloodPressure, typed<NibpRecord>([](const NibpRecord& r) { return r.sys != 0; })},
        {"BodyCheckWidget", CheckType::CorvisetDailyCheck, hasDetailFile},
        {"Spo2TempWidget", CheckType::Spo2Temp,
         [](const CheckRecord& r, const DeviceInfo& d) {
             return d.branchcode == Vitacor::kCode13070001 && r.as<Spo2TempRecord>().temp != 0;
         }},
        {"GluWidget", CheckType::UserGlucose,
         typed<GlucoseRecord>([](const GlucoseRecord& r) { return r.glucose != 0; })},
        {"MultiTestWidget", CheckType::MultiTest, hasDetailFile},
    };
}

} // namespace

namespace RowScreens {

void addTo(Gallery& gallery)
{
    const QVector<Variant> all = variants();
    for (const Variant& variant : all)
        gallery.add(variant.name, [variant] { return render(variant); });
}

} // namespace RowScreens
