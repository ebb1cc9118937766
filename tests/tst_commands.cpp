// The window's commands beyond its buttons: the context menu, the keyboard shortcuts, the results
// copied as a table, the report saved as PDF at any time, and the detail view's angle arcs drawn in
// their own colour.

#include "tests/support/modaldriver.h"
#include "tests/support/pdfpages.h"
#include "tests/support/printers.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/windowdriver.h"
#include "window/layout.h"
#include "window/twips.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The commands, in the order the menu lists them, with their shortcuts.
const QList<QPair<QString, QStringList>> commands {
    { QStringLiteral("New Vessel…"), { QStringLiteral("Ctrl+N") } },
    { QStringLiteral("Open Vessel…"), { QStringLiteral("Ctrl+O") } },
    { QStringLiteral("Print…"), { QStringLiteral("Ctrl+P") } },
    { QStringLiteral("Save Report as PDF…"), { QStringLiteral("Ctrl+S") } },
    { QStringLiteral("Full-Size Template…"), { QStringLiteral("Ctrl+T") } },
    { QStringLiteral("Copy Results"), { QStringLiteral("Ctrl+C") } },
    { QStringLiteral("Help"), { QStringLiteral("F1") } },
    { QStringLiteral("Close"), { QStringLiteral("Ctrl+Q"), QStringLiteral("Ctrl+W") } },
};

QStringList actionTexts(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *action : actions) {
        if (!action->isSeparator())
            result.append(action->text());
    }
    return result;
}

} // namespace

class TestCommands : public WindowDriver
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void commandsAndShortcuts();
    void rightClickShowsTheCommands_data();
    void rightClickShowsTheCommands();
    void textBoxKeepsItsOwnMenu();
    void shortcutsDoWhatTheButtonsDo_data();
    void shortcutsDoWhatTheButtonsDo();
    void closeShortcuts_data();
    void closeShortcuts();
    void templateShortcutOpensTheDialog();
    void copyResultsPastesAsATable_data();
    void copyResultsPastesAsATable();
    void ctrlCInTheNameBoxCopiesItsSelection();
    void saveReportAsPdfAtAnyTime();
    void savingThatFailsIsReported();
    void angleArcsReadAsMagenta();

private:
    // The texts of the menu that a right-click at `point` of `widget` opens; empty when none.
    QStringList menuAt(QWidget *widget, QPoint point);

    ScriptedPrintDialogs *dialogs = nullptr;
    std::unique_ptr<QTemporaryDir> folder;
};

void TestCommands::initTestCase()
{
    QVERIFY2(hideAllPrinters(), "these tests need a machine without printers");
}

void TestCommands::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(openWindow());
    dialogs = scriptPrintDialogs(*window);
}

void TestCommands::cleanup()
{
    window.reset();
    folder.reset();
}

// Every command is there once, named and with its shortcuts, as a menu shows them.
void TestCommands::commandsAndShortcuts()
{
    const QList<QAction *> actions = window->actions();
    QCOMPARE(actions.size(), commands.size());
    for (int i = 0; i < commands.size(); ++i) {
        QCOMPARE(actions[i]->text(), commands[i].first);
        QStringList shortcuts;
        for (const QKeySequence &key : actions[i]->shortcuts())
            shortcuts.append(key.toString());
        QCOMPARE(shortcuts, commands[i].second);
        QCOMPARE(actions[i]->shortcutContext(), Qt::WindowShortcut);
        QVERIFY(actions[i]->isEnabled());
    }
}

QStringList TestCommands::menuAt(QWidget *widget, QPoint point)
{
    QStringList shown;
    // The menu is a popup that waits for the user: read it and close it once it is up.
    QTimer::singleShot(0, this, [&shown] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            shown = actionTexts(menu->actions());
            menu->close();
        }
    });
    QTest::mouseClick(
        window->windowHandle(), Qt::RightButton, {}, widget->mapTo(window.get(), point));
    QCoreApplication::processEvents();
    return shown;
}

void TestCommands::rightClickShowsTheCommands_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("the window's ground") << QStringLiteral("Orvane");
    QTest::newRow("plan view") << QStringLiteral("Picture1");
    QTest::newRow("detail view") << QStringLiteral("Picture2");
    QTest::newRow("a spinner") << QStringLiteral("VScroll2");
    QTest::newRow("a caption label") << QStringLiteral("Label2");
    QTest::newRow("a button") << QStringLiteral("Command9");
}

void TestCommands::rightClickShowsTheCommands()
{
    QFETCH(QString, control);
    QWidget *widget
        = control == QLatin1String("Orvane") ? window.get() : this->control<QWidget>(control);
    QVERIFY(widget);
    // The window's ground: a point no control covers, left of the help button.
    const QPoint point = widget == window.get() ? QPoint(5, 560) : widget->rect().center();
    QStringList expected;
    for (const auto &command : commands)
        expected.append(command.first);
    QCOMPARE(menuAt(widget, point), expected);
}

// Inside the project name's text box, a right-click opens the box's own menu of editing commands.
void TestCommands::textBoxKeepsItsOwnMenu()
{
    clickButton("Command13");
    auto *box = control<QLineEdit>("Text1");
    QVERIFY(box->isVisible());
    const QStringList shown = menuAt(box, box->rect().center());
    QVERIFY2(!shown.isEmpty(), "no menu opened");
    QVERIFY(!shown.contains(QStringLiteral("Copy Results")));
    QVERIFY(!shown.contains(QStringLiteral("Full-Size Template…")));
}

void TestCommands::shortcutsDoWhatTheButtonsDo_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("panel");
    QTest::newRow("Ctrl+P: Print") << QKeySequence(Qt::CTRL | Qt::Key_P)
                                   << QStringLiteral("Command13") << QStringLiteral("Frame1");
    QTest::newRow("F1: Help") << QKeySequence(Qt::Key_F1) << QStringLiteral("Command9")
                              << QStringLiteral("Picture3");
}

// The shortcut leaves the window as its button does: the same panel shown, in the same place,
// with every text as the button leaves it.
void TestCommands::shortcutsDoWhatTheButtonsDo()
{
    QFETCH(QKeySequence, key);
    QFETCH(QString, button);
    QFETCH(QString, panel);

    clickButton(button);
    const WindowState byButton = state();
    const QRect placeByButton = control<QWidget>(panel)->geometry();
    QVERIFY(control<QWidget>(panel)->isVisible());

    QVERIFY(openWindow());
    dialogs = scriptPrintDialogs(*window);
    // From a spinner with the focus, as a user at the keyboard has it.
    spinner("VScroll2")->setFocus();
    QTest::keySequence(window->windowHandle(), key);
    QVERIFY(control<QWidget>(panel)->isVisible());
    QCOMPARE(control<QWidget>(panel)->geometry(), placeByButton);
    QCOMPARE(state(), byButton);
}

void TestCommands::closeShortcuts_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("Ctrl+Q") << QKeySequence(Qt::CTRL | Qt::Key_Q);
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
}

void TestCommands::closeShortcuts()
{
    QFETCH(QKeySequence, key);
    QTest::keySequence(window->windowHandle(), key);
    QVERIFY(!window->isVisible());
}

// Ctrl+T opens the template dialog for the ring on the window, named as the prompt names it.
void TestCommands::templateShortcutOpensTheDialog()
{
    control<QLineEdit>("Text1")->setText(QStringLiteral("Bowl"));
    ModalDriver driver;
    QString seen;
    driver.expect([&seen](QWidget *dialog) {
        seen = describeDialog(dialog);
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("projectName")))
            seen += QStringLiteral(" name=") + name->text();
        dialog->close();
    });
    QTest::keySequence(window->windowHandle(), QKeySequence(Qt::CTRL | Qt::Key_T));
    QCOMPARE(driver.pending(), 0);
    QCOMPARE(driver.unexpected, QStringList());
    QVERIFY2(seen.contains(QStringLiteral("Full-Size Template")), qPrintable(seen));
    QVERIFY2(seen.contains(QStringLiteral("name=Bowl")), qPrintable(seen));
}

void TestCommands::copyResultsPastesAsATable_data()
{
    QTest::addColumn<int>("segments");
    QTest::addColumn<int>("outerQuarters");
    QTest::addColumn<int>("innerQuarters");
    QTest::newRow("start ring") << 6 << 144 << 120;
    QTest::newRow("12 segments, 10 and 8 inches") << 12 << 40 << 32;
    QTest::newRow("24 segments, 72 and 71 inches") << 24 << 288 << 284;
}

// One quantity a line, its name first and its values after tabs: the inputs as their boxes show
// them, the two miter angles, the three lengths as fraction and decimal, and the board feet, each
// exactly as the window's caption (blanks around it trimmed).
void TestCommands::copyResultsPastesAsATable()
{
    QFETCH(int, segments);
    QFETCH(int, outerQuarters);
    QFETCH(int, innerQuarters);
    QVERIFY(stepTo("VScroll1", segments));
    QVERIFY(stepTo("VScroll2", outerQuarters));
    QVERIFY(stepTo("VScroll3", innerQuarters));

    QApplication::clipboard()->clear();
    spinner("VScroll1")->setFocus();
    QTest::keySequence(window->windowHandle(), QKeySequence(Qt::CTRL | Qt::Key_C));
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.endsWith(QLatin1Char('\n')));
    const QStringList lines = copied.chopped(1).split(QLatin1Char('\n'));

    const QMap<QString, QString> expected = expectedResults();
    const QMap<QString, QString> shown = inputs();
    const QList<QStringList> rows {
        { QStringLiteral("# of Segments"), shown["numsegs"] },
        { QStringLiteral("Outer Diameter, in."), shown["outerdiam"] },
        { QStringLiteral("Inner Diameter, in."), shown["innerdiam"] },
        { QStringLiteral("Fudge Factor, in."), shown["fudge"] },
        { QStringLiteral("Board thickness, in."), shown["boardthick"] },
        { QStringLiteral("Miter angle, Long Side"), expected["shortangle"] },
        { QStringLiteral("Miter angle, Short Side"), expected["longangle"] },
        { QStringLiteral("Long side Length, in."), expected["longside"].trimmed(),
            expected["longsidedec"] },
        { QStringLiteral("Short side Length, in."), expected["shortside"].trimmed(),
            expected["shortsidedec"] },
        { QStringLiteral("Board width, in."), expected["bwidth"].trimmed(),
            expected["boardwidthdec"] },
        { QStringLiteral("Board feet of lumber"), expected["boardfeet"] },
    };
    QCOMPARE(lines.size(), rows.size());
    for (int i = 0; i < rows.size(); ++i)
        QCOMPARE(lines[i].split(QLatin1Char('\t')), rows[i]);
}

void TestCommands::ctrlCInTheNameBoxCopiesItsSelection()
{
    clickButton("Command13");
    auto *box = control<QLineEdit>("Text1");
    box->setText(QStringLiteral("Walnut bowl"));
    box->setFocus();
    box->setSelection(0, 6);
    QApplication::clipboard()->clear();
    QTest::keySequence(window->windowHandle(), QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Walnut"));
}

// With no printer and without the prompt, Ctrl+S saves the report, named as the prompt names it,
// where the user chooses; the suggestion is the name in the documents folder.
void TestCommands::saveReportAsPdfAtAnyTime()
{
    control<QLineEdit>("Text1")->setText(QStringLiteral("Maple vase"));
    dialogs->fileName = folder->filePath(QStringLiteral("report.pdf"));
    QTest::keySequence(window->windowHandle(), QKeySequence(Qt::CTRL | Qt::Key_S));

    QCOMPARE(dialogs->offers, 0); // no "No printer is available." first
    QCOMPARE(dialogs->failures, QStringList());
    QCOMPARE(dialogs->suggestedNames.size(), 1);
    QVERIFY(dialogs->suggestedNames.first().endsWith(QStringLiteral("/Maple vase.pdf")));
    QVERIFY(!control<QWidget>("Frame1")->isVisible());

    const PdfContents contents = readPdf(dialogs->fileName);
    QVERIFY2(contents.error.isEmpty(), qPrintable(contents.error));
    QCOMPARE(contents.pages, 1);
    QCOMPARE(contents.title, QStringLiteral("Maple vase"));
    QVERIFY(contents.texts().contains(QStringLiteral("Project Name: Maple vase")));
    QVERIFY(contents.texts().contains(QStringLiteral("# of Segments: 6")));
}

void TestCommands::savingThatFailsIsReported()
{
    const QString missing = folder->filePath(QStringLiteral("no such folder/report.pdf"));
    dialogs->fileName = missing;
    QTest::keySequence(window->windowHandle(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(dialogs->failures.size(), 1);
    QVERIFY2(dialogs->failures.first().contains(QDir::toNativeSeparators(missing)),
        qPrintable(dialogs->failures.first()));
    QVERIFY(!QFile::exists(missing));
}

// The two arcs of the detail view mark its angles in light magenta: their pixels are that colour
// itself, not a blend with the teal ground.
void TestCommands::angleArcsReadAsMagenta()
{
    auto *detail = control<QWidget>("Picture2");
    const QImage picture = detail->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int magenta = 0;
    int purplish = 0; // more red and blue than the ground and the black lines have
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (pixel == qRgb(255, 0, 255))
                ++magenta;
            else if (qRed(pixel) > 64 && qBlue(pixel) > 64 && qGreen(pixel) < qRed(pixel))
                ++purplish;
        }
    }
    // The smaller arc alone is over 20 pixels long at the start ring.
    QVERIFY2(magenta >= 30, qPrintable(QString::number(magenta)));
    QVERIFY2(purplish < magenta / 4,
        qPrintable(QStringLiteral("%1 blended of %2").arg(purplish).arg(magenta)));
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
