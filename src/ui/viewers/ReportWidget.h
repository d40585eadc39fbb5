#pragma once

#include "report/BasePaintHelper.h"

#include <QVector>
#include <QWidget>

#include <memory>

// The viewer's canvas: the report's pages one under another, 2 mm apart,
// painted at the viewer's zoom.
class ReportWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ReportWidget(QWidget* parent = nullptr);
    // The painter of the check type: the sleep report or the single-check pages.
    void setData(const ReportData& report);
    void setScale(double scale);
    BasePaintHelper* helper() const { return m_helper.get(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<BasePaintHelper> m_helper;
    double m_scale = 5.0;
    QVector<QRectF> m_pages;
};
