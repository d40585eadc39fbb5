#pragma once

#include "files/CheckRecord.h"
#include "files/CheckUser.h"
#include "files/DeviceInfo.h"

#include <QMetaType>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVector>

class CheckItemSignal;
class QCheckBox;
class QLabel;
class QListWidgetItem;
class QPushButton;
class QWidget;

// What every record row shares: its record, user and list item, the check
// time, the select box kept in step with the list selection, and the
// delete, review and voice buttons that appear while the mouse is over it.
class CheckItemBase
{
public:
    explicit CheckItemBase(QWidget* row);
    virtual ~CheckItemBase();

    virtual int checkType() const { return -1; }
    // Whether the row can be reviewed now.
    virtual bool hasReport() const { return false; }
    virtual void refresh() { display(); }
    virtual void display() {}
    // The clock picture and the date-time text with seconds.
    virtual void showTime(QLabel* icon, QLabel* text);

    CheckItemSignal* signal() const { return m_signal; }
    QWidget* rowWidget() const { return m_row; }

    void setListItem(QListWidgetItem* item) { m_listItem = item; }
    QListWidgetItem* listItem() const { return m_listItem; }
    // keepRemarks: the row's remarks survive the copy.
    void setUser(const CheckUser& user, bool keepRemarks);
    const CheckUser& user() const { return m_user; }
    // The record stays the caller's; it must outlive the row.
    void setData(const QString& sn, const CheckRecord* record, const DeviceInfo& device);
    const CheckRecord* record() const { return m_record; }
    QString sn() const { return m_sn; }
    const DeviceInfo& device() const { return m_device; }
    // The device's branch code.
    QString deviceText() const { return m_device.branchcode; }
    void setSelected(bool selected);

    // Whether a review may be opened at all; without it no review button shows.
    void setReviewOffered(bool offered) { m_reviewOffered = offered; }

    // Shows the controls while the mouse is over the row.
    void showControls(bool shown);

protected:
    // Wires the form's select box and buttons; any of them may be absent.
    void setUpControls(QCheckBox* select, QPushButton* deleteButton, QPushButton* reviewButton = nullptr,
                       QPushButton* voiceButton = nullptr);
    // Whether the record has a voice note.
    virtual bool hasVoice() const { return false; }
    QString detailPath() const;
    // For paint events: the mini waveform beside the duration label, and the
    // perfusion bars beside the perfusion-index label when all three
    // oximetry values are valid.
    void paintWaveform(const QVector<qint16>& samples, const QLabel* durationLabel) const;
    void paintPerfusionBars(const QLabel* piLabel, int spo2, int pulseRate, int perfusionIndex) const;
    // Where the mini waveform goes: right of the duration label, 10 px from
    // the row's right edge and 10 px from top and bottom.
    QRect waveformRect(const QLabel* durationLabel) const;
    // A caption, one space and the value.
    static QString line(const QString& caption, const QString& value) { return caption + " " + value; }
    // The "Name:", "Gender:" and "Date of Birth:" lines of the row's user.
    QString nameLine() const;
    QString genderLine() const;
    QString birthdayLine() const;

    CheckUser m_user;

private:
    QWidget* m_row;
    CheckItemSignal* m_signal;
    QListWidgetItem* m_listItem = nullptr;
    const CheckRecord* m_record = nullptr;
    QString m_sn;
    DeviceInfo m_device;
    QPointer<QCheckBox> m_select;
    QPointer<QPushButton> m_delete;
    QPointer<QPushButton> m_review;
    QPointer<QPushButton> m_voice;
    bool m_reviewOffered = true;
};

Q_DECLARE_METATYPE(CheckItemBase*)
