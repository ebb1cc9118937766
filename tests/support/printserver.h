#pragma once

// A print server of the test's own, with one virtual printer that turns jobs into PDF files, made
// the default. The server runs from its own folder and listens on its own socket, and only this
// process is pointed at it: the machine's printers and print server are neither seen nor touched.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <optional>

class PrintServer
{
public:
    PrintServer();
    ~PrintServer(); // stops the server

    // Starts the server and sets up its printer; the reason when that cannot be done here.
    std::optional<QString> start();

    QString printerName() const { return QStringLiteral("OrvaneTestPDF"); }
    // Adds another virtual PDF printer, not made the default; the reason when that failed.
    std::optional<QString> addPrinter(const QString &name);
    // Takes the default printer away; false when that failed.
    bool removePrinter();
    // Where the virtual printer puts the PDF files of this user's jobs.
    QString outputFolder() const;
    // Waits until the printers have finished every job they were given; false when it has not
    // within `timeoutMs`.
    bool waitUntilDone(int timeoutMs);
    // What the server logged and how its printer stands, for failure messages.
    QString report() const;

private:
    std::optional<QString> runClient(
        const QString &tool, const QStringList &arguments, QByteArray *output = nullptr) const;

    QTemporaryDir serverFolder;
    QProcess serverProcess;
};
