// The main window as a user first meets it: its controls, where they stand, what they say, the
// results of the start inputs and the way the Tab key walks through it.

#include "drawing/picturebox.h"
#include "tests/support/expected.h"
#include "tests/support/pixels.h"
#include "tests/support/recalculationlog.h"
#include "tests/support/windowdriver.h"
#include "window/applicationicon.h"
#include "window/layout.h"
#include "window/templatedialog.h"

#include <QDir>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using orvane::PictureBox;

namespace {

// Layout positions are in twips, 15 to a pixel.
int px(int twips)
{
    return qRound(twips / 15.0);
}

struct Control
{
    const char *name;
    const char *kind;
    const char *container;
    int left, top, width, height; // twips; a width of 0 means sized to fit the caption
    const char *text;
    const char *toolTip;
    bool enabled;
    bool shown;
    double points;
};

// Every control of the window, as laid out.
const Control layout[] = {
    // Inputs: caption labels, boxes and spinners.
    { "Label1", "QLabel", "Orvane", 120, 360, 0, 195, "# of Segments", "", true, true, 8.25 },
    { "Label2", "QLabel", "Orvane", 120, 960, 0, 195, "Outer Diameter, in.", "", true, true, 8.25 },
    { "Label3", "QLabel", "Orvane", 120, 1800, 0, 195, "Inner Diameter, in.", "", true, true,
        8.25 },
    { "Label4", "QLabel", "Orvane", 120, 2520, 0, 195, "Fudge Factor, in.",
        "Material beyond the cut line", true, true, 8.25 },
    { "Label6", "QLabel", "Orvane", 360, 7080, 0, 195, "Board thickness, in.", "", true, true,
        8.25 },
    { "numsegs", "QLineEdit", "Orvane", 1440, 240, 975, 405, "6", "", false, true, 12 },
    { "outerdiam", "QLineEdit", "Orvane", 1440, 840, 975, 405, "36", "", false, true, 12 },
    { "innerdiam", "QLineEdit", "Orvane", 1440, 1680, 975, 405, "30", "", false, true, 12 },
    { "fudge", "QLineEdit", "Orvane", 1440, 2400, 975, 405, ".25", "", false, true, 12 },
    { "boardthick", "QLineEdit", "Orvane", 1800, 6960, 975, 405, "0.75", "", false, true, 12 },
    { "VScroll1", "QScrollBar", "Orvane", 2520, 240, 255, 405, "", "", true, true, 12 },
    { "VScroll2", "QScrollBar", "Orvane", 2520, 840, 255, 405, "", "", true, true, 12 },
    { "VScroll3", "QScrollBar", "Orvane", 2520, 1680, 255, 405, "", "", true, true, 12 },
    { "VScroll4", "QScrollBar", "Orvane", 2520, 2400, 255, 405, "", "", true, true, 12 },
    { "VScroll5", "QScrollBar", "Orvane", 2880, 6960, 255, 405, "", "", true, true, 12 },
    // Results: headings, captions and fields.
    { "Label18", "QLabel", "Orvane", 1680, 3240, 0, 195, "Approx. Fraction",
        "Decimal value to the nearest 1/16\"", true, true, 8.25 },
    { "Label17", "QLabel", "Orvane", 3120, 3240, 0, 195, "Decimal Value",
        "Calculated value to 5 places", true, true, 8.25 },
    { "Label8", "QLabel", "Orvane", 120, 3480, 0, 195, "Long side Length, in.", "", true, true,
        8.25 },
    { "longside", "QLabel", "Orvane", 1680, 3480, 1335, 255, nullptr, "Long side of segment", false,
        true, 8.25 },
    { "longsidedec", "QLabel", "Orvane", 3120, 3480, 1335, 255, nullptr, "Long side of segment",
        false, true, 8.25 },
    { "Label9", "QLabel", "Orvane", 120, 3840, 0, 195, "Short side Length, in.", "", true, true,
        8.25 },
    { "shortside", "QLabel", "Orvane", 1680, 3840, 1335, 255, nullptr, "Short side of segment",
        false, true, 8.25 },
    { "shortsidedec", "QLabel", "Orvane", 3120, 3840, 1335, 255, nullptr, "Short side of segment",
        false, true, 8.25 },
    { "Label10", "QLabel", "Orvane", 120, 4200, 0, 195, "Board width, in.", "", true, true, 8.25 },
    { "bwidth", "QLabel", "Orvane", 1680, 4200, 1335, 255, nullptr, "Width of board", false, true,
        8.25 },
    { "boardwidthdec", "QLabel", "Orvane", 3120, 4200, 1335, 255, nullptr, "Width of board", false,
        true, 8.25 },
    { "Label20", "QLabel", "Orvane", 120, 4680, 0, 195,
        "Note: + sign means fraction was rounded down ", "", true, true, 8.25 },
    { "Label21", "QLabel", "Orvane", 480, 4920, 0, 195, "- sign means fraction was rounded up", "",
        true, true, 8.25 },
    { "Label5", "QLabel", "Orvane", 1560, 5640, 0, 195, "Long Side", "", true, true, 8.25 },
    { "Label19", "QLabel", "Orvane", 3000, 5640, 0, 195, "Short Side", "", true, true, 8.25 },
    { "Label12", "QLabel", "Orvane", 120, 5880, 0, 195, "Miter angle,°", "", true, true, 8.25 },
    { "shortangle", "QLabel", "Orvane", 1560, 5880, 1335, 255, nullptr, "", false, true, 8.25 },
    { "longangle", "QLabel", "Orvane", 3000, 5880, 1335, 255, nullptr, "", false, true, 8.25 },
    { "Label7", "QLabel", "Orvane", 360, 7680, 0, 195, "Board feet of lumber", "", true, true,
        8.25 },
    { "boardfeet", "QLabel", "Orvane", 1800, 7680, 1335, 255, nullptr, "", false, true, 8.25 },
    // Drawings and their buttons.
    { "Picture1", "orvane::PictureBox", "Orvane", 4560, 360, 4695, 4695, "", "", true, true, 8.25 },
    { "Command2", "QPushButton", "Orvane", 4560, 5040, 2055, 495, "ZOOM OUT", "Zoom out", true,
        true, 8.25 },
    { "Command8", "QPushButton", "Orvane", 6600, 5040, 615, 495, "Center",
        "Center image/reset scale", true, true, 8.25 },
    { "Command3", "QPushButton", "Orvane", 7200, 5040, 2055, 495, "ZOOM IN", "Zoom in", true, true,
        8.25 },
    { "Picture2", "orvane::PictureBox", "Orvane", 4560, 5760, 4700, 2760, "", "", true, true, 12 },
    // Help, printing and their panels.
    { "Command9", "QPushButton", "Orvane", 240, 8160, 1335, 495, "Help", "", true, true, 12 },
    { "Command13", "QPushButton", "Orvane", 1800, 8160, 1575, 495, "Print", "", true, true, 12 },
    { "Command11", "QPushButton", "Orvane", 3480, 7440, 1575, 495, "Print", "", true, false, 12 },
    { "Picture3", "QWidget", "Orvane", 6960, 7680, 5535, 8415, "", "", true, false, 12 },
    { "Frame1", "QGroupBox", "Orvane", 2760, 3120, 4095, 2775, "Project Name", "", true, false,
        12 },
    { "Text1", "QLineEdit", "Frame1", 120, 1080, 3855, 420, "Segmented Circle ", "", true, true,
        12 },
    { "Label26", "QLabel", "Frame1", 120, 480, 0, 300, "Enter project name", "", true, true, 12 },
    { "Command12", "QPushButton", "Frame1", 3000, 2160, 735, 495, "OK", "", true, true, 12 },
    // The help panel's own controls; its answers are checked whole with the panel.
    { "Label22", "QLabel", "Picture3", 240, 120, 4500, 1260, nullptr, "", true, true, 12 },
    { "Label23", "QLabel", "Picture3", 240, 1560, 4815, 3855, nullptr, "", true, true, 12 },
    { "Label24", "QLabel", "Picture3", 240, 5400, 4815, 2175, nullptr, "", true, true, 12 },
    { "Command10", "QPushButton", "Picture3", 4560, 7560, 735, 735, "Close", "", true, true, 12 },
    { "Label25", "QLabel", "Orvane", 0, 0, 0, 195, nullptr, "", true, true, 8.25 },
};

QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    if (const auto *button = qobject_cast<const QPushButton *>(widget))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return {};
}

} // namespace

class TestWindow : public WindowDriver
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { window.reset(); }

    void startInputs_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("value");
        QTest::newRow("segments") << "numsegs"
                                  << "VScroll1"
                                  << "6" << 6;
        QTest::newRow("outer diameter") << "outerdiam"
                                        << "VScroll2"
                                        << "36" << 144;
        QTest::newRow("inner diameter") << "innerdiam"
                                        << "VScroll3"
                                        << "30" << 120;
        QTest::newRow("fudge factor") << "fudge"
                                      << "VScroll4"
                                      << ".25" << 1;
        QTest::newRow("board thickness") << "boardthick"
                                         << "VScroll5"
                                         << "0.75" << 3;
    }
    void startInputs()
    {
        QFETCH(QString, box);
        QFETCH(QString, spinner);
        QFETCH(QString, shown);
        QFETCH(int, value);
        QCOMPARE(text(box), shown);
        QCOMPARE(spinnerValue(spinner), value);
    }

    // The first recalculation has run before the window is first shown.
    void startResults_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption");
        QTest::newRow("longangle") << "longangle"
                                   << "30.0°";
        QTest::newRow("shortangle") << "shortangle"
                                    << "60.0°";
        // 14.750001475, a little above 14 3/4 because pi is taken as 3.141593.
        QTest::newRow("shortside") << "shortside"
                                   << " 14  3/ 4+";
        QTest::newRow("shortsidedec") << "shortsidedec"
                                      << "14.75000";
        QTest::newRow("longsidedec") << "longsidedec"
                                     << "21.07329";
        // 21.073287635 is 21 and 1.17 sixteenths.
        QTest::newRow("longside") << "longside"
                                  << " 21  1/ 16+";
        // 5.476125720 is 5 and 7.62 sixteenths: rounded up to 8/16.
        QTest::newRow("bwidth") << "bwidth"
                                << " 5  1/ 2-";
        QTest::newRow("boardwidthdec") << "boardwidthdec"
                                       << "5.47613";
    }
    void startResults()
    {
        QFETCH(QString, field);
        QFETCH(QString, caption);
        QCOMPARE(text(field), caption);
    }

    void startResultsMatchClosedForms()
    {
        const auto wanted = expected::captions(expected::Ring {});
        QCOMPARE(results(), wanted);
        // 6 blanks of (14.75 + 21.07) / 2 by 5.48 by 0.75 cubic inches: about 3.065 board feet.
        QVERIFY(wanted.value("boardfeet").startsWith("3.06"));
    }

    void startDrawings()
    {
        // Both drawings are there at once, not only after a first input change.
        for (const char *name : { "Picture1", "Picture2" })
            QVERIFY2(!pixels::isBlank(control<PictureBox>(name)->image()), name);
    }

    // The calculator and the dialogs it opens carry the program's icon at every size the program
    // ships, each the picture shipped.
    void iconAtEveryShippedSize()
    {
        orvane::setApplicationIcon();
        const orvane::TemplateDialog dialog(QString(), orvane::defaultRing(), window.get());
        const QFileInfoList shipped = QDir(QStringLiteral(ORVANE_ICON_FOLDER))
                                          .entryInfoList({ QStringLiteral("orvane-*.png") });
        QVERIFY(!shipped.isEmpty());
        for (const QWidget *shown :
            { static_cast<const QWidget *>(window.get()), static_cast<const QWidget *>(&dialog) }) {
            const QIcon icon = shown->windowIcon();
            for (const QFileInfo &file : shipped) {
                const QImage picture
                    = QImage(file.filePath()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
                QVERIFY2(
                    icon.availableSizes().contains(picture.size()), qPrintable(file.fileName()));
                QCOMPARE(icon.pixmap(picture.size()).toImage(), picture);
            }
        }
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("fitsCaption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("checkText");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<double>("points");
        for (const Control &c : layout) {
            QTest::newRow(c.name) << c.name << c.kind << c.container
                                  << QRect(px(c.left), px(c.top), px(c.width), px(c.height))
                                  << (c.width == 0) << QString::fromUtf8(c.text ? c.text : "")
                                  << (c.text != nullptr) << QString::fromUtf8(c.toolTip)
                                  << c.enabled << c.shown << c.points;
        }
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(bool, fitsCaption);
        QFETCH(QString, text);
        QFETCH(bool, checkText);
        QFETCH(QString, toolTip);
        QFETCH(bool, enabled);
        QFETCH(bool, shown);
        QFETCH(double, points);

        QWidget *widget = control(name);
        QVERIFY(widget);
        QVERIFY2(widget->inherits(kind.toLatin1()), widget->metaObject()->className());
        QCOMPARE(widget->parentWidget()->objectName(), container);
        QCOMPARE(widget->pos(), geometry.topLeft());
        if (fitsCaption) {
            // A caption label is as wide as its caption, on one line.
            QCOMPARE(widget->height(), geometry.height());
            QVERIFY(widget->width() >= widget->fontMetrics().horizontalAdvance(shownText(widget)));
        } else {
            QCOMPARE(widget->size(), geometry.size());
        }
        if (checkText)
            QCOMPARE(shownText(widget), text);
        QCOMPARE(widget->toolTip(), toolTip);
        QCOMPARE(widget->isEnabled(), enabled);
        QCOMPARE(!widget->isHidden(), shown);
        QCOMPARE(widget->font().pointSizeF(), points);
    }

    // The window builds itself from its layout table: every control of the table is one of those
    // checked above, and every one checked above is in the table.
    void layoutTableHoldsTheCheckedControls()
    {
        QStringList checked;
        for (const Control &c : layout)
            checked.append(QLatin1String(c.name));
        QStringList inTable;
        for (const orvane::layout::Control &c : orvane::layout::controls())
            inTable.append(QLatin1String(c.name));
        checked.sort();
        inTable.sort();
        QCOMPARE(inTable, checked);
    }

    // The driver finds the boxes and fields through the table, in the order they stand on the
    // window, rows top to bottom.
    void driverFindsBoxesAndFields()
    {
        QCOMPARE(inputBoxes(),
            (QStringList { "numsegs", "outerdiam", "innerdiam", "fudge", "boardthick" }));
        QCOMPARE(resultFields(),
            (QStringList { "longside", "longsidedec", "shortside", "shortsidedec", "bwidth",
                "boardwidthdec", "shortangle", "longangle", "boardfeet" }));
        for (const QString &name : inputBoxes())
            QVERIFY2(control<QLineEdit>(name), qPrintable(name));
        for (const QString &name : resultFields())
            QVERIFY2(control<QLabel>(name), qPrintable(name));
    }

    void windowFrame()
    {
        QCOMPARE(window->windowTitle(), QString("Orvane"));
        QCOMPARE(window->size(), QSize(px(9555), px(8745)));
        QCOMPARE(window->size(), QSize(637, 583));
        // Fixed: the controls are laid out for this size only.
        QCOMPARE(window->minimumSize(), window->size());
        QCOMPARE(window->maximumSize(), window->size());
        QCOMPARE(window->font().pointSizeF(), 12.0);
    }

    void colours()
    {
        QCOMPARE(window->palette().color(QPalette::Window), QColor(0, 0, 128));
        const auto *caption = control<QLabel>("Label1");
        QCOMPARE(caption->palette().color(caption->foregroundRole()), QColor(255, 255, 128));
        for (const char *name : { "Picture1", "Picture2" }) {
            const auto *picture = control(name);
            QCOMPARE(picture->palette().color(picture->backgroundRole()), QColor(0, 128, 128));
        }
    }

    // The boxes are disabled: clicking into one and typing changes nothing.
    void boxesIgnoreTheUser_data()
    {
        QTest::addColumn<QString>("box");
        for (const QString &box : inputBoxes())
            QTest::newRow(box.toLatin1()) << box;
    }
    void boxesIgnoreTheUser()
    {
        QFETCH(QString, box);
        auto *edit = control<QLineEdit>(box);
        const QString before = edit->text();
        const auto captions = results();
        RecalculationLog log(*this);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, "9");
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), before);
        QVERIFY(!edit->hasFocus());
        QCOMPARE(log.recalculations(), 0);
        QCOMPARE(log.thicknessWrites, 0);
        QCOMPARE(results(), captions);
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QStringList>("order");
        const QStringList closed { "Picture1", "Command2", "Command3", "Command8", "VScroll1",
            "VScroll3", "VScroll2", "VScroll4", "Picture2", "VScroll5", "Command9", "Command13" };
        QTest::newRow("panels closed") << QString() << closed;
        QStringList help = closed;
        help.insert(help.indexOf("Command13"), "Picture3");
        help.insert(help.indexOf("Command13"), "Command10");
        QTest::newRow("help open") << "Command9" << help;
        QStringList prompt = closed;
        prompt.insert(prompt.indexOf("Command13"), "Text1");
        prompt.insert(prompt.indexOf("Command13"), "Command12");
        QTest::newRow("prompt open") << "Command13" << prompt;
    }
    void tabOrder()
    {
        QFETCH(QString, open);
        QFETCH(QStringList, order);
        if (!open.isEmpty())
            clickButton(open);
        control(order.first())->setFocus(Qt::TabFocusReason);
        // Once round and back to the start.
        QCOMPARE(tabWalk(int(order.size())), order + QStringList { order.first() });
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
