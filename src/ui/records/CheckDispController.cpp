#include "ui/records/CheckDispController.h"

#include "app/Config.h"
#include "app/Constants.h"
#include "db/DbOperator.h"
#include "files/CheckType.h"
#include "files/DailyRecord.h"
#include "files/DetailPath.h"
#include "report/DailyCheckText.h"
#include "report/DateTimeText.h"
#include "sync/CheckEraser.h"
#include "ui/MyMessageBox.h"
#include "ui/holter/HolterWidget.h"
#include "ui/holter/SummaryDlg.h"
#include "ui/records/DeviceWidget.h"
#include "ui/records/MyListWidget.h"
#include "ui/records/NoDataWidget.h"
#include "ui/records/SoundPlay.h"
#include "ui/rows/CheckItemBase.h"
#include "ui/rows/CheckItemFactory.h"

#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kRecordRole = Qt::UserRole + 1;
// Rows made beyond each edge of the visible part, and the distance past
// which made rows are dropped again.
constexpr int kBuildMargin = 8;
constexpr int kDropMargin = 40;

} // namespace

CheckDispController::CheckDispController(QObject* parent)
    : QObject(parent)
    , m_player(new SoundPlay(this))
    , m_buildAhead(new QTimer(this))
{
    m_buildAhead->setSingleShot(true);
    m_buildAhead->setInterval(0);
    connect(m_buildAhead, &QTimer::timeout, this, &CheckDispController::buildOneAhead);
    connect(this, &CheckDispController::playSound, m_player, &SoundPlay::playSound);
    connect(m_player, &SoundPlay::playFinish, this, &CheckDispController::onPlayFinish);
    connect(m_player, &SoundPlay::playFailed, this, &CheckDispController::onPlayFailed);
}

CheckDispController::~CheckDispController()
{
    // The rows point into the records, which go first otherwise.
    if (m_list)
        dropAllRows();
}

void CheckDispController::setList(MyListWidget* list)
{
    m_list = list;
    connect(list, &QListWidget::itemDoubleClicked, this, &CheckDispController::onItemDoubleClick);
    connect(list, &MyListWidget::keyDown, this, &CheckDispController::onKeyDown);
    connect(list, &QListWidget::itemClicked, this, &CheckDispController::sigProfileWidgetClicked);
    connect(list, &QListWidget::itemSelectionChanged, this, &CheckDispController::onSelectionChanged);
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, &CheckDispController::updateVisibleRows);
    connect(list, &MyListWidget::onResize, this, &CheckDispController::updateVisibleRows);
    QFile qss(QStringLiteral(":/res/qss/listwidget-mainwindow.qss"));
    if (qss.open(QIODevice::ReadOnly))
        list->setStyleSheet(QString::fromUtf8(qss.readAll()));
}

void CheckDispController::setReviewOpener(ReviewOpener opener)
{
    m_reviewOpener = std::move(opener);
    for (CheckItemBase* row : builtRows())
        row->setReviewOffered(bool(m_reviewOpener));
}

void CheckDispController::showDevicePanel(const QString& sn, bool online)
{
    clearList();
    m_sn = sn;
    DeviceInfo device;
    if (!DbOperator::instance()->device(sn, &device))
        device.sn = sn;
    addPanel(new DeviceWidget(device, online));
    m_list->setFill(true);
    setShowCheck(false);
}

void CheckDispController::setDevicePanelOnline(bool online)
{
    if (m_list->count() == 0)
        return;
    if (auto* panel = qobject_cast<DeviceWidget*>(m_list->itemWidget(m_list->item(0))))
        panel->setOnline(online);
}

void CheckDispController::setQuery(const QString& sn, int checkType, const QString& userid)
{
    clearList();
    m_sn = sn;
    m_checkType = checkType;
    m_device = DeviceInfo();
    DbOperator::instance()->device(sn, &m_device);
    for (const CheckRecord& record : DbOperator::instance()->checks(sn, checkType, userid))
        m_records.push_back(std::make_unique<CheckRecord>(record));
}

void CheckDispController::rebuildList()
{
    m_building = true;
    dropAllRows();
    m_list->clear();
    // A view still scrolled down from the last list re-lays itself out for every item added.
    m_list->verticalScrollBar()->setValue(0);
    if (m_records.empty()) {
        showNoData();
        m_building = false;
        return;
    }
    setShowCheck(true);
    m_list->setFill(false);
    // Every row has its check type's height, so the view need not ask each item.
    m_list->setUniformItemSizes(true);
    const int height = CheckItemFactory::rowHeight(m_checkType);
    for (const auto& record : m_records) {
        if (!passesFilter(*record))
            continue;
        auto* item = new QListWidgetItem;
        item->setSizeHint(QSize(100, height));
        item->setData(kRecordRole, QVariant::fromValue(quintptr(record.get())));
        m_list->addItem(item);
    }
    m_building = false;
    updateVisibleRows();
}

void CheckDispController::updateVisibleRows()
{
    int top = 0;
    int bottom = 0;
    if (!visibleRows(&top, &bottom))
        return;
    const QList<QListWidgetItem*> built = m_built.values();
    for (QListWidgetItem* item : built) {
        const int row = m_list->row(item);
        if (row < top - kDropMargin || row > bottom + kDropMargin)
            dropRow(item);
    }
    for (int row = top; row <= bottom; ++row)
        ensureRow(m_list->item(row));
    // The rows just outside the view are made between frames, one at a time,
    // so a scroll step pays only for what it shows.
    m_buildAhead->start();
}

bool CheckDispController::visibleRows(int* top, int* bottom) const
{
    // While items come and go, every look at the visible part would lay out the whole list again.
    if (!m_list || m_building || m_records.empty() || m_list->count() == 0)
        return false;
    const QRect viewport = m_list->viewport()->rect();
    const QModelIndex topIndex = m_list->indexAt(viewport.topLeft());
    const QModelIndex bottomIndex = m_list->indexAt(QPoint(0, viewport.bottom()));
    *top = topIndex.isValid() ? topIndex.row() : 0;
    *bottom = bottomIndex.isValid() ? bottomIndex.row() : m_list->count() - 1;
    return true;
}

void CheckDispController::buildOneAhead()
{
    int top = 0;
    int bottom = 0;
    if (!visibleRows(&top, &bottom))
        return;
    // Nearest first: below the view, then above it.
    for (int distance = 1; distance <= kBuildMargin; ++distance) {
        for (int row : {bottom + distance, top - distance}) {
            if (row < 0 || row >= m_list->count() || rowOf(m_list->item(row)))
                continue;
            ensureRow(m_list->item(row));
            m_buildAhead->start();
            return;
        }
    }
}

CheckItemBase* CheckDispController::ensureRow(QListWidgetItem* item)
{
    if (CheckItemBase* row = rowOf(item))
        return row;
    const CheckRecord* record = recordOf(item);
    if (!record)
        return nullptr;
    CheckItemBase* row = CheckItemFactory::create(m_checkType);
    if (!row)
        return nullptr;
    row->setListItem(item);
    row->setReviewOffered(bool(m_reviewOpener));
    row->setUser(userOf(*record), false);
    row->setData(m_sn, record, m_device);
    row->setSelected(item->isSelected());
    connect(row, &CheckItemBase::deleteRecord, this, &CheckDispController::onDeleteCheckItem);
    connect(row, &CheckItemBase::review, this, &CheckDispController::onReviewCheckItem);
    connect(row, &CheckItemBase::playVoice, this, &CheckDispController::onPlayVoice);
    m_list->setItemWidget(item, row);
    m_built.insert(item);
    return row;
}

void CheckDispController::dropRow(QListWidgetItem* item, bool later)
{
    if (!m_built.remove(item))
        return;
    QWidget* row = m_list->itemWidget(item);
    if (!row)
        return;
    // The view lets go of the row and would delete it only when the event loop next runs.
    m_list->removeItemWidget(item);
    if (later)
        row->hide(); // hidden, it no longer reads its record; the row may be the sender of the click being handled
    else
        delete row;
}

void CheckDispController::dropAllRows()
{
    const QList<QListWidgetItem*> built = m_built.values();
    for (QListWidgetItem* item : built)
        dropRow(item);
}

CheckUser CheckDispController::userOf(const CheckRecord& record) const
{
    DbOperator* db = DbOperator::instance();
    CheckUser user;
    user.userid = Vitacor::kNoUserId;
    user.birthday = QDate(2000, 1, 1);
    if (record.checkType == CheckType::MultiTest) {
        db->multiTestReportUser(m_sn, record.checkTimeText(), &user);
        return user;
    }
    if (db->reportUser(record.checkTimeText() + m_sn, &user))
        return user;
    if (record.userid != Vitacor::kNoUserId)
        db->user(record.userid, &user);
    return user;
}

CheckRecord* CheckDispController::recordOf(const QListWidgetItem* item) const
{
    return item ? reinterpret_cast<CheckRecord*>(item->data(kRecordRole).value<quintptr>()) : nullptr;
}

CheckItemBase* CheckDispController::rowOf(const QListWidgetItem* item) const
{
    return m_built.contains(const_cast<QListWidgetItem*>(item))
        ? qobject_cast<CheckItemBase*>(m_list->itemWidget(const_cast<QListWidgetItem*>(item)))
        : nullptr;
}

void CheckDispController::clearList()
{
    m_building = true;
    dropAllRows();
    m_list->clear();
    m_records.clear();
    m_filterTexts.clear();
    m_userFilter.clear();
    m_resultFilter.clear();
    m_checkType = -1;
    m_building = false;
}

void CheckDispController::showNoData()
{
    addPanel(new NoDataWidget);
    m_list->setFill(true);
    setShowCheck(false);
}

void CheckDispController::addPanel(QWidget* panel)
{
    // A uniform size would be taken from the item before its panel fills the list.
    m_list->setUniformItemSizes(false);
    auto* item = new QListWidgetItem;
    item->setFlags(Qt::ItemIsEnabled);
    item->setSizeHint(m_list->size());
    m_list->addItem(item);
    m_list->setItemWidget(item, panel);
}

void CheckDispController::setShowCheck(bool showCheck)
{
    m_list->setProperty("showCheck", showCheck ? "true" : "false");
    m_list->style()->unpolish(m_list);
    m_list->style()->polish(m_list);
}

void CheckDispController::filter(const QString& userText, const QString& resultText)
{
    m_userFilter = userText == tr("All Users") ? QString() : userText;
    m_resultFilter = resultText == tr("All Results") ? QString() : resultText;
    rebuildList();
}

const CheckDispController::FilterTexts& CheckDispController::filterTexts(const CheckRecord& record)
{
    auto known = m_filterTexts.constFind(&record);
    if (known != m_filterTexts.constEnd())
        return *known;
    const DailyRecord daily = record.as<DailyRecord>();
    const int modelType = m_device.modelType;
    const QString path = DetailPath::of(Config::instance()->dataDir(), m_sn, record.checkTimeText());
    const EcgDetail header = EcgDetail::readHeader(path, EcgDetail::formFor(record.checkType, modelType));
    return *m_filterTexts.insert(
        &record, FilterTexts{DailyCheckText::userLetter(daily, modelType), DailyCheckText::result(header, modelType)});
}

bool CheckDispController::passesFilter(const CheckRecord& record)
{
    // Only daily checks carry a user letter and a verdict to filter by.
    if ((m_userFilter.isEmpty() && m_resultFilter.isEmpty()) || record.checkType != CheckType::DailyCheck)
        return true;
    const FilterTexts& texts = filterTexts(record);
    return (m_userFilter.isEmpty() || texts.user == m_userFilter) &&
        (m_resultFilter.isEmpty() || texts.result == m_resultFilter);
}

QStringList CheckDispController::distinctTexts(QString FilterTexts::*text)
{
    QStringList texts;
    for (const auto& record : m_records) {
        if (record->checkType != CheckType::DailyCheck || !passesFilter(*record))
            continue;
        const QString& value = filterTexts(*record).*text;
        if (!texts.contains(value))
            texts << value;
    }
    return texts;
}

QStringList CheckDispController::distinctUsers()
{
    QStringList users = distinctTexts(&FilterTexts::user);
    std::sort(users.begin(), users.end());
    return users;
}

QStringList CheckDispController::distinctResults()
{
    return distinctTexts(&FilterTexts::result);
}

bool CheckDispController::hasSelection() const
{
    return hasRecords() && !m_list->selectedItems().isEmpty();
}

QList<CheckRecord> CheckDispController::selectedRecords() const
{
    QList<CheckRecord> records;
    if (!hasRecords())
        return records;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem* item = m_list->item(i);
        if (item->isSelected() && recordOf(item))
            records << *recordOf(item);
    }
    return records;
}

QList<CheckItemBase*> CheckDispController::builtRows() const
{
    QList<CheckItemBase*> rows;
    for (QListWidgetItem* item : m_built) {
        if (CheckItemBase* row = rowOf(item))
            rows << row;
    }
    return rows;
}

bool CheckDispController::deleteRow(QListWidgetItem* item, bool later, CheckEraser::Result* summary)
{
    CheckRecord* record = recordOf(item);
    if (!record)
        return false;
    const CheckUser user = userOf(*record);
    const int checkType = record->checkType;
    const CheckEraser::Result result = CheckEraser::eraseCheck(m_sn, checkType, record->checkTimeText(), user.name);
    summary->kept += result.kept;
    summary->busy = summary->busy || result.busy;
    summary->keptFiles << result.keptFiles;
    if (summary->failure.isEmpty())
        summary->failure = result.failure;
    if (result.erased == 0)
        return false;
    emit deleteCheckItem(m_sn, checkType, user.userid);
    dropRow(item, later);
    delete item;
    m_filterTexts.remove(record);
    m_records.erase(std::find_if(m_records.begin(), m_records.end(),
                                 [record](const std::unique_ptr<CheckRecord>& r) { return r.get() == record; }));
    if (m_list->count() == 0) {
        m_records.clear();
        showNoData();
    }
    return true;
}

bool CheckDispController::deleteItems(bool selectedOnly)
{
    if (!hasRecords())
        return true;
    CheckEraser::Result summary;
    m_building = true;
    for (int i = m_list->count() - 1; i >= 0 && hasRecords(); --i) {
        QListWidgetItem* item = m_list->item(i);
        if (selectedOnly && !item->isSelected())
            continue;
        // A running download would hold every other row as long.
        if (!deleteRow(item, false, &summary) && summary.busy)
            break;
    }
    m_building = false;
    updateVisibleRows();
    reportKept(summary);
    return summary.isComplete();
}

bool CheckDispController::deleteDevice(const QString& sn)
{
    const CheckEraser::Result result = CheckEraser::eraseDevice(sn);
    reportKept(result);
    return result.isComplete();
}

void CheckDispController::reportKept(const CheckEraser::Result& result)
{
    if (result.isComplete())
        return;
    const QString text = result.busy
        ? tr("A download of this monitor is running; try again when it has finished.")
        : tr("%n check(s) could not be deleted; they are kept with their files.", nullptr, qMax(1, result.kept));
    MyMessageBox box(QMessageBox::Warning, tr("Delete"), text, QMessageBox::Ok, m_list);
    if (!result.keptFiles.isEmpty())
        box.setInformativeText(tr("These files could not be removed:") + "\n" + result.keptFiles.join("\n"));
    else if (!result.busy)
        box.setInformativeText(result.failure);
    box.exec();
}

bool CheckDispController::confirm(const QString& title, const QString& text)
{
    return MyMessageBox::question(m_list, title, text) == QMessageBox::Yes;
}

QString CheckDispController::recordText(const CheckRecord& record) const
{
    return DateTimeText::dateTime(record.checkTime().toDateTime(), true);
}

void CheckDispController::onSelectionChanged()
{
    if (m_building || !hasRecords())
        return;
    for (QListWidgetItem* item : qAsConst(m_built)) {
        if (CheckItemBase* row = rowOf(item))
            row->setSelected(item->isSelected());
    }
}

void CheckDispController::onDeleteCheckItem(CheckItemBase* item)
{
    const CheckRecord* record = recordOf(item->listItem());
    if (!record)
        return;
    if (record->checkType == CheckType::Holter) {
        const QString question = tr("ECG Holter") + " \"" + recordText(*record) + "\" " + tr("item delete") + "?";
        if (!confirm(tr("Tips"), question))
            return;
    } else {
        const QString question =
            tr("Delete") + " " + CheckType::name(record->checkType) + tr(" item: ") + recordText(*record) + " ?";
        if (!confirm(tr("Message"), question))
            return;
    }
    CheckEraser::Result summary;
    deleteRow(item->listItem(), true, &summary);
    reportKept(summary);
}

void CheckDispController::onReviewCheckItem(CheckItemBase* item)
{
    if (!m_reviewOpener || !item->hasReport() || !item->record())
        return;
    auto* holter = qobject_cast<HolterWidget*>(item);
    QDialog* viewer = holter ? openHolterSummary(holter) : m_reviewOpener(m_sn, *item->record());
    if (!viewer)
        return;
    connect(viewer, &QDialog::finished, this, &CheckDispController::onReportViewerClose);
    m_viewers << viewer;
}

QDialog* CheckDispController::openHolterSummary(HolterWidget* row)
{
    auto* summary = new SummaryDlg(m_list);
    summary->setAttribute(Qt::WA_DeleteOnClose);
    summary->setModal(true);
    summary->setUser(row->user());
    summary->setData(m_sn, row->fileName());
    connect(summary, &SummaryDlg::userInfoChanged, row, &HolterWidget::onUserInfoChanged);
    summary->show();
    return summary;
}

void CheckDispController::onPlayVoice(CheckItemBase* item)
{
    if (m_playing || !item->record())
        return;
    m_playing = true;
    emit playSound(DetailPath::of(Config::instance()->dataDir(), m_sn, item->record()->checkTimeText()) + ".wav");
}

void CheckDispController::onPlayFinish()
{
    m_playing = false;
}

void CheckDispController::onPlayFailed(const QString& path)
{
    auto* box = new MyMessageBox(QMessageBox::Information, tr("Message"), tr("This voice note cannot be played."),
                                 QMessageBox::Ok, m_list);
    box->setInformativeText(path);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void CheckDispController::onItemDoubleClick(QListWidgetItem* item)
{
    if (CheckItemBase* row = ensureRow(item))
        onReviewCheckItem(row);
}

void CheckDispController::onKeyDown(QKeyEvent* event)
{
    // A Holter list is reviewed and deleted only with its buttons.
    if (!hasSelection() || m_checkType == CheckType::Holter)
        return;
    if (event->key() == Qt::Key_Delete) {
        if (confirm(tr("Message"), tr("Are you sure you want to delete all selected items?")))
            deleteItems(true);
        return;
    }
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    QListWidgetItem* first = *std::min_element(selected.begin(), selected.end(),
                                               [this](auto* a, auto* b) { return m_list->row(a) < m_list->row(b); });
    if (CheckItemBase* row = ensureRow(first))
        onReviewCheckItem(row);
}

void CheckDispController::onUpdateUser()
{
    for (CheckItemBase* row : builtRows())
        row->refresh();
}

void CheckDispController::onViewerUserUpdated(const QString& checkTime, const CheckUser& user)
{
    for (CheckItemBase* row : builtRows()) {
        if (row->record() && row->record()->checkTimeText() == checkTime)
            row->setUser(user, false);
        // Only the rows of the same patient: a multi-test list may hold several.
        else if (m_checkType == CheckType::MultiTest && row->user().medicalid == user.medicalid)
            row->setUser(user, true);
    }
    onUpdateUser();
    emit updateUserInfo(m_sn, m_checkType, &user);
}

void CheckDispController::onReportViewerClose(int)
{
    m_viewers.removeAll(qobject_cast<QDialog*>(sender()));
    m_viewers.removeAll(nullptr);
}

bool CheckDispController::isReportViewerOpen() const
{
    return std::any_of(m_viewers.begin(), m_viewers.end(), [](const QPointer<QDialog>& v) { return !v.isNull(); });
}
