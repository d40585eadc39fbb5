#pragma once

#include "files/CheckRecord.h"
#include "files/CheckUser.h"
#include "files/DeviceInfo.h"
#include "sync/CheckEraser.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CheckItemBase;
class HolterWidget;
class MyListWidget;
class QDialog;
class QKeyEvent;
class QListWidgetItem;
class QTimer;
class SoundPlay;

// Decides what the record list shows for a tree selection: a row per stored
// check, the device panel or the No Data panel; deletes, plays voice notes
// and answers the list's keys. Every check has its list item from the start,
// but row widgets (which read detail files) exist only for the items in and
// near the visible part of the list, so long lists open and scroll quickly.
class CheckDispController : public QObject
{
    Q_OBJECT
public:
    // Opens the report viewer of a stored check and returns it, or nullptr.
    using ReviewOpener = std::function<QDialog*(const QString& sn, const CheckRecord& record)>;

    explicit CheckDispController(QObject* parent = nullptr);
    ~CheckDispController() override;

    void setList(MyListWidget* list);
    // Without an opener no row offers review.
    void setReviewOpener(ReviewOpener opener);

    void showDevicePanel(const QString& sn, bool online);
    // Tells the device panel, if shown, whether its device is connected.
    void setDevicePanelOnline(bool online);
    void setQuery(const QString& sn, int checkType, const QString& userid);
    void rebuildList();
    // Lists only the daily checks of that user letter and result text
    // ("All Users" and "All Results" let every check pass).
    void filter(const QString& userText, const QString& resultText);
    // The user letters of the listed daily checks, sorted, and their result
    // texts in list order; read from the records and detail headers.
    QStringList distinctUsers();
    QStringList distinctResults();
    bool hasRecords() const { return !m_records.empty(); }
    bool hasSelection() const;
    // Deletes the listed checks (or the selected ones) after the caller's
    // confirmation; false when the record store kept any of them, which
    // the user was told.
    bool deleteItems(bool selectedOnly);
    bool deleteDevice(const QString& sn);
    bool isReportViewerOpen() const;
    bool isPlaying() const { return m_playing; }
    int checkType() const { return m_checkType; }
    QString sn() const { return m_sn; }

    // The checks of the selected rows, top first.
    QList<CheckRecord> selectedRecords() const;
    // The rows that exist now.
    QList<CheckItemBase*> builtRows() const;
    // Makes the row widgets of the visible part of the list now, those of the
    // rows near it between frames, and drops far ones.
    void updateVisibleRows();

signals:
    void deleteCheckItem(QString sn, int checkFunc, QString userID);
    void updateUserInfo(QString sn, int checkFunc, const CheckUser* usr);
    void playSound(QString path);
    void sigProfileWidgetClicked();

public slots:
    void onPlayFinish();
    void onDeleteCheckItem(CheckItemBase* item);
    void onReviewCheckItem(CheckItemBase* item);
    void onPlayVoice(CheckItemBase* item);
    void onItemDoubleClick(QListWidgetItem* item);
    void onKeyDown(QKeyEvent* event);
    void onUpdateUser();
    void onReportViewerClose(int);
    // A viewer saved the patient details of the check of that time: its row
    // and, in a multi-test list, the rows of the same patient show them.
    void onViewerUserUpdated(const QString& checkTime, const CheckUser& user);

private:
    // The first and last row of the list's visible part; false while the
    // list is empty or being filled.
    bool visibleRows(int* top, int* bottom) const;
    void buildOneAhead();
    void onSelectionChanged();
    // Every Holter dialog reads the one shared recording, so the summary is
    // modal: a second recording cannot be opened beside it.
    QDialog* openHolterSummary(HolterWidget* row);
    void onPlayFailed(const QString& path);
    void clearList();
    void showNoData();
    // The single item of the device panel or the No Data panel.
    void addPanel(QWidget* panel);
    void setShowCheck(bool showCheck);
    CheckRecord* recordOf(const QListWidgetItem* item) const;
    CheckItemBase* rowOf(const QListWidgetItem* item) const;
    CheckItemBase* ensureRow(QListWidgetItem* item);
    // later: the row may be the sender of the signal being handled.
    void dropRow(QListWidgetItem* item, bool later = false);
    void dropAllRows();
    // The user shown on a check's row; the reserved no-user id when none.
    CheckUser userOf(const CheckRecord& record) const;
    // Store first, then files, tree count and the list; false when the store refused.
    // Adds what stayed to `summary`.
    bool deleteRow(QListWidgetItem* item, bool later, CheckEraser::Result* summary);
    // A box naming what stayed, and the files that could not be removed.
    void reportKept(const CheckEraser::Result& result);
    bool confirm(const QString& title, const QString& text);
    QString recordText(const CheckRecord& record) const;
    // The user letter and result text a daily check is filtered by.
    struct FilterTexts
    {
        QString user;
        QString result;
    };
    const FilterTexts& filterTexts(const CheckRecord& record);
    bool passesFilter(const CheckRecord& record);
    // One of the filter texts of the listed daily checks, without repeats, in list order.
    QStringList distinctTexts(QString FilterTexts::*text);

    QPointer<MyListWidget> m_list;
    int m_checkType = -1;
    QString m_sn;
    DeviceInfo m_device;
    std::vector<std::unique_ptr<CheckRecord>> m_records;
    QHash<const CheckRecord*, FilterTexts> m_filterTexts;
    QString m_userFilter;
    QString m_resultFilter;
    QSet<QListWidgetItem*> m_built;
    SoundPlay* m_player;
    ReviewOpener m_reviewOpener;
    bool m_playing = false;
    // The report viewers opened from the list and not yet closed.
    QList<QPointer<QDialog>> m_viewers;
    bool m_building = false;
    QTimer* m_buildAhead;
};
