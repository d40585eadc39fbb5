#pragma once

#include "files/CheckRecord.h"
#include "files/CheckUser.h"
#include "files/DeviceInfo.h"
#include "files/EcgDetail.h"

#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>
#include <typeinfo>

class QCheckBox;
class QLabel;
class QListWidgetItem;
class QPushButton;

// One row of the record list: a stored check with its user. The base holds
// the record, the user, the list item and the check's detail file, shows the
// check time, keeps the select box in step with the list selection and shows
// the delete, review and voice buttons while the mouse is over the row. A row
// class builds its form with setUpForm() and fills it in display().
class CheckItemBase : public QWidget
{
    Q_OBJECT
public:
    explicit CheckItemBase(int checkType, QWidget* parent = nullptr);
    ~CheckItemBase() override;

    int checkType() const { return m_checkType; }
    // Whether the row can be reviewed now: its type has a report and its
    // detail file was read.
    virtual bool hasReport() const;
    // Whether the record says a voice note was recorded with it.
    virtual bool hasVoice() const;
    // The temperature or distance units changed; rows that show them redisplay.
    virtual void unitsChanged() {}
    // Shows the check time and, once a record is set, the row's values.
    void refresh();

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
    void setSelected(bool selected);
    // Whether a review may be opened at all; without it no review button shows.
    void setReviewOffered(bool offered) { m_reviewOffered = offered; }

signals:
    void deleteRecord(CheckItemBase* row);
    void review(CheckItemBase* row);
    void playVoice(CheckItemBase* row);

protected:
    // Fills the labels from record, user and settings; called with a record only.
    virtual void display() = 0;

    // Builds the row's Designer form on it and wires the form's "chkSelect",
    // "btnDelete", "btnReview" and "btnVoice" where present. The base owns
    // the form for the row's life; the row reaches it with form<Form>().
    template <class Form>
    void setUpForm()
    {
        auto form = std::make_shared<Form>();
        form->setupUi(this);
        m_form = form;
        m_formType = &typeid(Form);
        setUpControls();
    }
    template <class Form>
    Form* form() const
    {
        Q_ASSERT(m_formType && *m_formType == typeid(Form));
        return static_cast<Form*>(m_form.get());
    }

    // The "Name:", "Gender:" and "Date of Birth:" lines of the row's user;
    // a row without a birthday line passes no label for it.
    void showIdentity(QLabel* name, QLabel* gender, QLabel* birthday = nullptr) const;
    // Reads the check's detail file, shows its duration in the label and
    // paints the mini waveform right of that label, or inside waveArea.
    void readDetail(EcgDetail::Form form, QLabel* duration, const QWidget* waveArea = nullptr);
    const EcgDetail& detail() const { return m_detail; }
    QString detailPath() const;
    // The SpO2, pulse-rate and perfusion-index lines; the perfusion bars are
    // painted right of the last label's text when all three values are valid.
    void showOximetry(QLabel* spo2Label, QLabel* pulseRateLabel, QLabel* piLabel, int spo2, int pulseRate,
                      int perfusionIndex);
    // A caption, one space and the value.
    static QString line(const QString& caption, const QString& value) { return caption + " " + value; }

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

    CheckUser m_user;

private:
    void setUpControls();
    void showControls(bool shown);
    // The clock picture and the date-time text with seconds.
    void showTime();
    // Right of the duration label, 10 px from the row's right edge and 10 px
    // from top and bottom; or the wave area's rectangle.
    QRect waveformRect() const;

    const int m_checkType;
    std::shared_ptr<void> m_form;
    const std::type_info* m_formType = nullptr;
    QListWidgetItem* m_listItem = nullptr;
    const CheckRecord* m_record = nullptr;
    QString m_sn;
    DeviceInfo m_device;
    EcgDetail m_detail;
    // The mini waveform as last painted, and the samples and size it shows.
    QPixmap m_waveform;
    const qint16* m_waveformSamples = nullptr;
    QSize m_waveformSize;
    QPointer<QLabel> m_duration;
    QPointer<const QWidget> m_waveArea;
    QPointer<const QLabel> m_perfusionLabel;
    int m_perfusionBars = -1;
    QPointer<QLabel> m_timeIcon;
    QPointer<QLabel> m_time;
    QPointer<QCheckBox> m_select;
    QPointer<QPushButton> m_delete;
    QPointer<QPushButton> m_review;
    QPointer<QPushButton> m_voice;
    bool m_reviewOffered = true;
};
