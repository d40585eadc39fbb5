#pragma once

#include "files/CheckRecord.h"
#include "files/CheckUser.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CheckItemBase;
class MyListWidget;
class QDialog;
class QKeyEvent;
class QListWidgetItem;
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
    // Opens the report viewer of a row and returns it, or nullptr.
    using ReviewOpener = std::function<QDialog*(CheckItemBase* row)>;

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
    void filter(const QString& userText, const QString& resultText);
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

    // The selected rows, top first, made when they were not yet.
    QList<CheckItemBase*> selectedRows();
    // The rows that exist now.
    QList<CheckItemBase*> builtRows() const;
    // Makes the row widgets of the visible part of the list and drops far ones.
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
    void onUpdateUser(const CheckUser* usr);
    void onUpdateUser();
    void onReportViewerClose(int);
    // A viewer saved the patient details of its check.
    void onViewerUserUpdated(const CheckUser& user);

private:
    void onSelectionChanged();
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
    bool deleteRow(QListWidgetItem* item, bool later = false);
    void reportKept(int kept);
    bool confirm(const QString& title, const QString& text);
    QString recordText(const CheckRecord& record) const;

    QPointer<MyListWidget> m_list;
    int m_checkType = -1;
    QString m_sn;
    std::vector<std::unique_ptr<CheckRecord>> m_records;
    QSet<QListWidgetItem*> m_built;
    SoundPlay* m_player;
    ReviewOpener m_reviewOpener;
    bool m_playing = false;
    // The report viewers opened from the list and not yet closed.
    QList<QPointer<QDialog>> m_viewers;
    bool m_building = false;
};
