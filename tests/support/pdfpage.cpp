#include "tests/support/pdfpage.h"

#include <QProcess>

namespace pdfpage {

namespace {

// Runs a poppler tool and gives its output; empty with `error` set when it failed.
QByteArray run(const QString &tool, const QStringList &arguments, QString *error)
{
    QProcess process;
    process.start(tool, arguments);
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    if (!process.waitForStarted())
        return fail(tool + QStringLiteral(" could not be run (it comes with poppler-utils)"));
    process.waitForFinished(60000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return fail(tool + QStringLiteral(" failed: ")
            + QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
    return process.readAllStandardOutput();
}

QStringList pageRange(int page)
{
    return { QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
        QString::number(page) };
}

QList<Run> runs(const QImage &image, const QRect &within, int shortest, int darkest, bool rows)
{
    const QRect area = within.intersected(image.rect());
    QList<Run> found;
    const int lines = rows ? area.height() : area.width();
    const int length = rows ? area.width() : area.height();
    const int origin = rows ? area.left() : area.top();
    for (int l = 0; l < lines; ++l) {
        int start = -1;
        for (int i = 0; i <= length; ++i) {
            bool dark = false;
            if (i < length) {
                const int x = rows ? area.left() + i : area.left() + l;
                const int y = rows ? area.top() + l : area.top() + i;
                dark = image.constScanLine(y)[x] < darkest;
            }
            if (dark && start < 0)
                start = i;
            if (!dark && start >= 0) {
                if (i - start >= shortest) {
                    found.append(Run {
                        (rows ? area.top() : area.left()) + l, origin + start, origin + i - 1 });
                }
                start = -1;
            }
        }
    }
    return found;
}

} // namespace

QStringList textLines(const QString &fileName, int page, QString *error)
{
    const QByteArray text = run(QStringLiteral("pdftotext"),
        pageRange(page)
            + QStringList { QStringLiteral("-layout"), QStringLiteral("-enc"),
                QStringLiteral("UTF-8"), fileName, QStringLiteral("-") },
        error);
    QStringList lines;
    for (const QString &line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        const QString simplified = line.simplified();
        if (!simplified.isEmpty())
            lines.append(simplified);
    }
    return lines;
}

QImage renderPage(const QString &fileName, int page, int dpi, QString *error)
{
    const QByteArray pixels = run(QStringLiteral("pdftoppm"),
        pageRange(page)
            + QStringList { QStringLiteral("-gray"), QStringLiteral("-aa"), QStringLiteral("no"),
                QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-r"),
                QString::number(dpi), fileName },
        error);
    if (pixels.isEmpty())
        return {};
    const QImage image = QImage::fromData(pixels, "PGM");
    if (image.isNull() && error)
        *error = QStringLiteral("pdftoppm gave no readable image");
    return image.convertToFormat(QImage::Format_Grayscale8);
}

QImage renderPageInColour(const QString &fileName, int page, int dpi, QString *error)
{
    const QByteArray pixels = run(QStringLiteral("pdftoppm"),
        pageRange(page) + QStringList { QStringLiteral("-r"), QString::number(dpi), fileName },
        error);
    if (pixels.isEmpty())
        return {};
    const QImage image = QImage::fromData(pixels, "PPM");
    if (image.isNull() && error)
        *error = QStringLiteral("pdftoppm gave no readable image");
    return image.convertToFormat(QImage::Format_RGB32);
}

QList<Run> horizontalRuns(const QImage &image, const QRect &within, int shortest, int darkest)
{
    return runs(image, within, shortest, darkest, true);
}

QList<Run> verticalRuns(const QImage &image, const QRect &within, int shortest, int darkest)
{
    return runs(image, within, shortest, darkest, false);
}

} // namespace pdfpage
