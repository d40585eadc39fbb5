#pragma once

#include <QDialog>
#include <QRectF>
#include <QVector>

namespace Ui {
class ViewAllEcgDlg;
}
class HolterReport;
class QIntValidator;
class TimeButton;

// The whole Holter ECG, 15 minutes a page in 30 rows of 30 s, with one
// time button per minute that opens the minute in detail.
class ViewAllEcgDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kMinutesPerPage = 15;
    static constexpr int kRowsPerPage = 2 * kMinutesPerPage;
    static constexpr int kSamplesPerRow = 30 * 125;
    // Reference page: 30 s of 150 units a second by 30 rows of 2 mV of 60 units, times 10.
    static constexpr int kReferenceWidth = 150 * 30 * 10;
    static constexpr int kReferenceHeight = 60 * 2 * 15 * 2 * 10;

    explicit ViewAllEcgDlg(QWidget* parent = nullptr);
    ~ViewAllEcgDlg() override;

    void setData(HolterReport* report);
    // The monitor's serial number, handed to the minutes opened from here.
    void setName(const QString& name) { m_name = name; }
    // Whole 15-minute pages, one more for a rest of whole minutes, and at
    // least one page.
    static int pageCount(qint64 durationSeconds);
    int pageCount() const { return m_pageCount; }
    int currentPage() const { return m_page; }
    // Shows page `page` (from 1) when it exists.
    void setPage(int page);
    QRectF plotRect() const { return m_plot; }
    const QVector<TimeButton*>& timeButtons() const { return m_buttons; }

public slots:
    void on_btnPrevPage_clicked();
    void on_btnNexgPage_clicked();
    void on_editCurPage_editingFinished();
    void onEditLostFocus();
    void onButtonClick(bool);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refreshButtons();
    void updatePlotRect();

    Ui::ViewAllEcgDlg* ui;
    QWidget* m_buttonColumn;
    QVector<TimeButton*> m_buttons;
    QIntValidator* m_validator;
    HolterReport* m_report = nullptr;
    QString m_name;
    QRectF m_plot;
    int m_page = 1;
    int m_pageCount = 1;
};
