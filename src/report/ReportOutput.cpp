#include "report/ReportOutput.h"

#include "files/CheckType.h"
#include "report/ExportFile.h"
#include "report/ReportHelper.h"
#include "report/SlmReportHelper.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace ReportOutput {

namespace {

// An A4 PDF at 300 dpi painted by `paint`, renamed into place when complete.
bool paintPdf(const QString& path, QString* error,
              const std::function<void(QPainter&, double, const std::function<void()>&)>& paint)
{
    ExportFile file(path);
    if (!file.open()) {
        *error = file.error();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        const double scale = kPdfDpi / 25.4;
        painter.setWindow(0, 0, qRound(BasePaintHelper::kPageWidthMm * scale),
                          qRound(BasePaintHelper::kPageHeightMm * scale));
        paint(painter, scale, [&writer] { writer.newPage(); });
    }
    if (!file.commit()) {
        *error = file.error();
        return false;
    }
    return true;
}

} // namespace

std::unique_ptr<BasePaintHelper> createHelper(int checkType)
{
    if (checkType == CheckType::Sleep)
        return std::make_unique<SlmReportHelper>();
    return std::make_unique<ReportHelper>();
}

void paintPages(BasePaintHelper& helper, QPainter& painter, double scale, const std::function<void()>& newPage)
{
    helper.setScale(scale);
    helper.setPainter(&painter);
    const QRectF page = helper.pageRect();
    for (int i = 0; i < helper.pageCount(); ++i) {
        if (i > 0)
            newPage();
        helper.paintPage(page, i);
    }
    helper.setPainter(nullptr);
}

void paintReports(const QList<ReportData>& reports, QPainter& painter, double scale,
                  const std::function<void()>& newPage)
{
    bool first = true;
    for (const ReportData& report : reports) {
        std::unique_ptr<BasePaintHelper> helper = createHelper(report.checkType);
        helper->setData(report);
        if (!first)
            newPage();
        first = false;
        paintPages(*helper, painter, scale, newPage);
    }
}

bool writePdf(BasePaintHelper& helper, const QString& path, QString* error)
{
    return paintPdf(path, error, [&helper](QPainter& painter, double scale, const std::function<void()>& newPage) {
        paintPages(helper, painter, scale, newPage);
    });
}

bool writePdf(const QList<ReportData>& reports, const QString& path, QString* error)
{
    return paintPdf(path, error, [&reports](QPainter& painter, double scale, const std::function<void()>& newPage) {
        paintReports(reports, painter, scale, newPage);
    });
}

QRect jpgPageRect(const BasePaintHelper& helper, int index)
{
    const int gap = helper.jpgPageGap();
    return QRect(0, gap / 2 + index * (kJpgPageHeight + gap), qRound(BasePaintHelper::kPageWidthMm * kJpgScale),
                 kJpgPageHeight);
}

QImage renderJpg(BasePaintHelper& helper)
{
    helper.setScale(kJpgScale);
    const int width = qRound(BasePaintHelper::kPageWidthMm * kJpgScale);
    QImage image(width, helper.pageCount() * (kJpgPageHeight + helper.jpgPageGap()), QImage::Format_RGB32);
    image.fill(QColor(238, 243, 250));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
    helper.setPainter(&painter);
    for (int i = 0; i < helper.pageCount(); ++i)
        helper.paintPage(jpgPageRect(helper, i), i);
    helper.setPainter(nullptr);
    return image;
}

bool writeJpg(BasePaintHelper& helper, const QString& path, QString* error)
{
    // Encoded in memory first: the JPG encoder has no way to tell a failed write.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(100);
    if (!writer.write(renderJpg(helper))) {
        *error = writer.errorString();
        return false;
    }
    ExportFile file(path);
    if (!file.open() || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.error();
        return false;
    }
    return true;
}

QString safeFileName(const QString& name)
{
    QString result = name;
    for (QChar& c : result) {
        if (!c.isLetterOrNumber() && c != ' ' && c != '_' && c != '-' && c != '.')
            c = '_';
    }
    return result;
}

QString defaultFileName(const QString& sn, const QString& checkTime, const QString& suffix)
{
    const QString report = QCoreApplication::translate("ReportOutput", "Report");
    return safeFileName(QString("%1_%2_%3.%4").arg(sn, report, checkTime, suffix));
}

} // namespace ReportOutput
