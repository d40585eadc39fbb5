#pragma once

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QVector>

// Pages as pixels, and measurements on them: the centres of dark runs
// along one row or column of pixels, weighted by darkness.
namespace PageRaster {

// One page of a PDF rasterised by poppler at `dpi`; a null image when
// pdftoppm is missing or fails.
inline QImage fromPdf(const QString& pdf, int page, int dpi)
{
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        return QImage();
    QTemporaryDir dir;
    const QString prefix = dir.filePath("page");
    const int rc = QProcess::execute("pdftoppm",
                                     {"-r", QString::number(dpi), "-f", QString::number(page), "-l",
                                      QString::number(page), "-singlefile", "-png", pdf, prefix});
    return rc == 0 ? QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32) : QImage();
}

// The text of one page of a PDF, through poppler's pdftotext.
inline QString pdfText(const QString& pdf, int page)
{
    QProcess process;
    process.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

enum class Ink { GridRed, Black };

inline double weight(QRgb pixel, Ink ink)
{
    if (ink == Ink::Black)
        return qMax(0, 200 - qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel))));
    // Grid lines are red or pink: full red, less green.
    return qRed(pixel) >= 200 ? 255 - qGreen(pixel) : 0;
}

struct Run
{
    double centre;
    double peak;
};

// Runs of pixels above `threshold` from `from` to `to` (pixels) along a row
// (horizontal) or a column.
inline QVector<Run> runs(const QImage& image, bool horizontal, int line, int from, int to, Ink ink, double threshold)
{
    QVector<Run> found;
    double sum = 0;
    double moment = 0;
    double peak = 0;
    for (int i = from; i <= to + 1; ++i) {
        double w = 0;
        if (i <= to)
            w = weight(horizontal ? image.pixel(i, line) : image.pixel(line, i), ink);
        if (w > threshold) {
            sum += w;
            moment += w * i;
            peak = qMax(peak, w);
        } else if (sum > 0) {
            found << Run{moment / sum, peak};
            sum = moment = peak = 0;
        }
    }
    return found;
}

// The mean distance between the first and last centre, over the gaps.
inline double pitch(const QVector<Run>& lines)
{
    return lines.size() < 2 ? 0 : (lines.last().centre - lines.first().centre) / (lines.size() - 1);
}

} // namespace PageRaster
