#include "tests/support/printserver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The print system's programs live where a user's search path may not reach.
const QStringList systemFolders { QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
    QStringLiteral("/usr/bin"), QStringLiteral("/bin") };

QString findProgram(const QString &name)
{
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, systemFolders) : found;
}

// The virtual printer: a backend that writes PDF files and the description of its printer.
const QString pdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString pdfPrinterDescription = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString pdfBackendSettings = QStringLiteral("/etc/cups/cups-pdf.conf");

bool writeFile(const QString &fileName, const QString &text)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

QString tail(const QString &fileName, int lines)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList all = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    return all.mid(std::max<qsizetype>(0, all.size() - lines)).join(QLatin1Char('\n'));
}

} // namespace

PrintServer::PrintServer()
{
    serverProcess.setProcessChannelMode(QProcess::MergedChannels);
}

PrintServer::~PrintServer()
{
    if (serverProcess.state() != QProcess::NotRunning) {
        serverProcess.terminate();
        if (!serverProcess.waitForFinished(5000)) {
            serverProcess.kill();
            serverProcess.waitForFinished(2000);
        }
    }
}

std::optional<QString> PrintServer::start()
{
    const QString cupsd = findProgram(QStringLiteral("cupsd"));
    if (cupsd.isEmpty())
        return QStringLiteral("the print server cupsd is not installed (package cups)");
    if (findProgram(QStringLiteral("lpadmin")).isEmpty()
        || findProgram(QStringLiteral("lpstat")).isEmpty())
        return QStringLiteral("lpadmin and lpstat are not installed (package cups-client)");
    if (!QFileInfo::exists(pdfBackend) || !QFileInfo::exists(pdfPrinterDescription))
        return QStringLiteral(
            "the virtual PDF printer is not installed (package printer-driver-cups-pdf)");
    // The server runs its backends with its own rights, and this one only under root.
    if (geteuid() != 0)
        return QStringLiteral(
            "the virtual PDF printer works only under a print server run as root");
    if (!serverFolder.isValid())
        return QStringLiteral("no folder for the print server: ") + serverFolder.errorString();

    // The server's filters run as another user, who must reach the spool and temporary files.
    const QDir base(serverFolder.path());
    ::chmod(QFile::encodeName(base.path()).constData(), 0755);
    for (const char *sub : { "etc", "client", "spool", "cache", "state", "log", "tmp" })
        base.mkdir(QLatin1String(sub));
    ::chmod(QFile::encodeName(base.filePath(QStringLiteral("tmp"))).constData(), 01777);

    const QString socket = base.filePath(QStringLiteral("cups.sock"));
    const QString files = base.filePath(QStringLiteral("etc/cups-files.conf"));
    const QString server = base.filePath(QStringLiteral("etc/cupsd.conf"));
    const bool written = writeFile(files,
                             QStringLiteral("ServerRoot %1/etc\n"
                                            "RequestRoot %1/spool\n"
                                            "CacheDir %1/cache\n"
                                            "StateDir %1/state\n"
                                            "TempDir %1/tmp\n"
                                            "ErrorLog %1/log/error_log\n"
                                            "AccessLog %1/log/access_log\n"
                                            "PageLog %1/log/page_log\n"
                                            "Printcap %1/printcap\n"
                                            "SystemGroup root\n")
                                 .arg(base.path()))
        && writeFile(server,
            QStringLiteral("Listen %1\n"
                           "LogLevel info\n"
                           "Browsing No\n"
                           "WebInterface No\n"
                           "DefaultAuthType None\n"
                           "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                           "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                           "</Policy>\n")
                .arg(socket));
    if (!written)
        return QStringLiteral("the print server's settings could not be written");

    serverProcess.start(
        cupsd, { QStringLiteral("-f"), QStringLiteral("-c"), server, QStringLiteral("-s"), files });
    if (!serverProcess.waitForStarted(5000))
        return QStringLiteral("cupsd did not start: ") + serverProcess.errorString();
    const QDeadlineTimer deadline(10000);
    while (!QFileInfo(socket).exists()) {
        if (serverProcess.state() == QProcess::NotRunning || deadline.hasExpired()) {
            return QStringLiteral("cupsd did not come up: ")
                + QString::fromLocal8Bit(serverProcess.readAll()) + report();
        }
        QThread::msleep(20);
    }

    // From here on this process, and the print tools it runs, talk to this server alone.
    qputenv("CUPS_SERVER", QFile::encodeName(socket));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(base.filePath(QStringLiteral("client"))));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");

    if (auto failure = addPrinter(printerName()))
        return failure;
    if (auto failure
        = runClient(QStringLiteral("lpadmin"), { QStringLiteral("-d"), printerName() }))
        return failure;
    return std::nullopt;
}

std::optional<QString> PrintServer::addPrinter(const QString &name)
{
    // Text must survive the printer's conversion to PostScript, so that it can be read back from
    // the PDF the printer writes; the cairo renderer keeps it.
    return runClient(QStringLiteral("lpadmin"),
        { QStringLiteral("-p"), name, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
            QStringLiteral("-P"), pdfPrinterDescription, QStringLiteral("-o"),
            QStringLiteral("pdftops-renderer-default=pdftocairo"), QStringLiteral("-E") });
}

std::optional<QString> PrintServer::runClient(
    const QString &tool, const QStringList &arguments, QByteArray *output) const
{
    QProcess process;
    process.start(findProgram(tool), arguments);
    if (!process.waitForStarted(5000))
        return tool + QStringLiteral(" could not be run: ") + process.errorString();
    process.waitForFinished(30000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return tool + QLatin1Char(' ') + arguments.join(QLatin1Char(' '))
            + QStringLiteral(" failed: ")
            + QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    }
    if (output)
        *output = process.readAllStandardOutput();
    return std::nullopt;
}

bool PrintServer::removePrinter()
{
    return !runClient(QStringLiteral("lpadmin"), { QStringLiteral("-x"), printerName() });
}

QString PrintServer::outputFolder() const
{
    // The backend's setting "Out", in which ${HOME} and ${USER} stand for the job's user.
    const passwd *user = getpwuid(geteuid());
    const QString home = user ? QFile::decodeName(user->pw_dir) : QDir::homePath();
    const QString name = user ? QFile::decodeName(user->pw_name) : QString();
    QString out = QStringLiteral("${HOME}/PDF");
    QFile settings(pdfBackendSettings);
    if (settings.open(QIODevice::ReadOnly)) {
        for (const QString &line :
            QString::fromLocal8Bit(settings.readAll()).split(QLatin1Char('\n'))) {
            const QString setting = line.trimmed();
            if (setting.startsWith(QLatin1String("Out ")))
                out = setting.mid(4).trimmed();
        }
    }
    out.replace(QLatin1String("${HOME}"), home).replace(QLatin1String("${USER}"), name);
    return out;
}

bool PrintServer::waitUntilDone(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QByteArray waiting;
        if (runClient(QStringLiteral("lpstat"), { QStringLiteral("-o") }, &waiting))
            return false;
        if (waiting.trimmed().isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}

QString PrintServer::report() const
{
    QByteArray printers;
    runClient(QStringLiteral("lpstat"), { QStringLiteral("-l"), QStringLiteral("-p") }, &printers);
    return QStringLiteral("\nprinters:\n") + QString::fromLocal8Bit(printers)
        + QStringLiteral("\nserver log:\n")
        + tail(QDir(serverFolder.path()).filePath(QStringLiteral("log/error_log")), 30);
}
