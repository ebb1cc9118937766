#include "tests/support/pdfpages.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace {

// Runs a poppler tool and gives its output; empty with `error` set when it failed.
QByteArray run(const QString &tool, const QStringList &arguments, QString &error)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForStarted()) {
        error = tool + QStringLiteral(" could not be run (it comes with poppler-utils)");
        return {};
    }
    process.waitForFinished(60000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        error = tool + QStringLiteral(" failed: ")
            + QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return {};
    }
    return process.readAllStandardOutput();
}

double number(const QXmlStreamAttributes &attributes, const char *name)
{
    return attributes.value(QLatin1String(name)).toDouble();
}

} // namespace

QStringList PdfContents::texts() const
{
    QStringList all;
    for (const PdfLine &line : lines)
        all.append(line.text);
    return all;
}

PdfContents readPdf(const QString &fileName)
{
    PdfContents contents;
    const QByteArray html = run(QStringLiteral("pdftotext"),
        { QStringLiteral("-bbox-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), fileName,
            QStringLiteral("-") },
        contents.error);
    if (!contents.error.isEmpty())
        return contents;

    QXmlStreamReader xml(html);
    PdfLine line;
    QStringList words;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("title")) {
                contents.title = xml.readElementText();
            } else if (name == QLatin1String("page")) {
                if (++contents.pages == 1) {
                    contents.pageSize = QSizeF(
                        number(xml.attributes(), "width"), number(xml.attributes(), "height"));
                }
            } else if (name == QLatin1String("line")) {
                line = PdfLine { {},
                    QPointF(number(xml.attributes(), "xMin"), number(xml.attributes(), "yMin")) };
                words.clear();
            } else if (name == QLatin1String("word")) {
                words.append(xml.readElementText());
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("line")) {
            line.text = words.join(QLatin1Char(' '));
            contents.lines.append(line);
        }
    }
    if (xml.hasError())
        contents.error = QStringLiteral("unreadable output of pdftotext: ") + xml.errorString();
    return contents;
}

QByteArray renderPdf(const QString &fileName, int dpi)
{
    QString error;
    return run(QStringLiteral("pdftoppm"),
        { QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi), fileName }, error);
}
