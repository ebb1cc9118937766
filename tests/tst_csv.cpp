// Reading comma-separated values: quoting as RFC 4180 has it, line breaks of every kind, the lines
// a project file skips, the line each record starts on, the separator the header row decides and
// the encodings spreadsheets save in; and fields written so that they read back.

#include "core/csv.h"

#include <QTest>

using namespace orvane;

class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void records_data();
    void records();
    void separatorsAndEncodings_data();
    void separatorsAndEncodings();
    void problems_data();
    void problems();
    void fields_data();
    void fields();
};

namespace {

// Records written as "line: field|field|field", one a list entry.
QStringList shown(const CsvText &csv)
{
    QStringList records;
    for (const CsvRecord &record : csv.records) {
        QStringList fields;
        for (const std::string &field : record.fields)
            fields << QString::fromStdString(field);
        records << QString::number(record.line) + QStringLiteral(": ")
                + fields.join(QLatin1Char('|'));
    }
    return records;
}

} // namespace

void TestCsv::records_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("empty") << QByteArray("") << QStringList {};
    QTest::newRow("one field") << QByteArray("a") << QStringList { "1: a" };
    QTest::newRow("fields and records")
        << QByteArray("a,b,c\n1,2,3\n") << QStringList { "1: a|b|c", "2: 1|2|3" };
    QTest::newRow("no line break at the end")
        << QByteArray("a,b\n1,2") << QStringList { "1: a|b", "2: 1|2" };
    QTest::newRow("CRLF") << QByteArray("a,b\r\n1,2\r\n") << QStringList { "1: a|b", "2: 1|2" };
    QTest::newRow("CR alone") << QByteArray("a,b\r1,2\r") << QStringList { "1: a|b", "2: 1|2" };
    QTest::newRow("empty fields") << QByteArray(",a,,\n") << QStringList { "1: |a||" };
    QTest::newRow("blanks kept in plain fields")
        << QByteArray(" a , b\n") << QStringList { "1:  a | b" };
    QTest::newRow("quoted comma") << QByteArray("\"Rim, top\",12\n")
                                  << QStringList { "1: Rim, top|12" };
    QTest::newRow("doubled quote")
        << QByteArray("\"a \"\"b\"\" c\",1\n") << QStringList { "1: a \"b\" c|1" };
    QTest::newRow("only a doubled quote") << QByteArray("\"\"\"\"") << QStringList { "1: \"" };
    QTest::newRow("empty quoted field") << QByteArray("\"\",x") << QStringList { "1: |x" };
    QTest::newRow("line break in quotes, then the next record's line") << QByteArray(
        "\"two\nlines\",1\nnext,2\n") << QStringList { "1: two\nlines|1", "3: next|2" };
    QTest::newRow("CRLF in quotes kept")
        << QByteArray("\"a\r\nb\"\r\nc\r\n") << QStringList { "1: a\r\nb", "3: c" };
    QTest::newRow("blanks around quotes ignored")
        << QByteArray("name, \"Rim, top\" ,12\n") << QStringList { "1: name|Rim, top|12" };
    QTest::newRow("quote inside a plain field")
        << QByteArray("10\" bowl,3\n") << QStringList { "1: 10\" bowl|3" };
    QTest::newRow("blank lines skipped")
        << QByteArray("\na\n\n  \t\nb\n\n") << QStringList { "2: a", "5: b" };
    QTest::newRow("comments skipped")
        << QByteArray("# a vase\na\n#b,c\nd\n") << QStringList { "2: a", "4: d" };
    QTest::newRow("a quoted hash is a field")
        << QByteArray("\"#1\",x\n") << QStringList { "1: #1|x" };
    QTest::newRow("hash after blanks is a field")
        << QByteArray(" #1,x\n") << QStringList { "1:  #1|x" };
    QTest::newRow("a line of commas is a record") << QByteArray(",,\n") << QStringList { "1: ||" };
    QTest::newRow("byte order mark")
        << QByteArray("\xEF\xBB\xBFname,x\n") << QStringList { "1: name|x" };
    QTest::newRow("hash in a quoted field's second line")
        << QByteArray("\"a\n# not a comment\",1\n") << QStringList { "1: a\n# not a comment|1" };
}

void TestCsv::records()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, records);
    const CsvText csv = readCsv(text.toStdString());
    QVERIFY2(!csv.problem, csv.problem ? csv.problem->message.c_str() : "");
    QCOMPARE(shown(csv), records);
}

void TestCsv::separatorsAndEncodings_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QStringList>("records");
    const auto row = [](const char *name, const char *text, char separator, QStringList records) {
        QTest::newRow(name) << QByteArray(text) << separator << records;
    };

    row("semicolons", "name;outer\nA;10,5\n", ';', { "1: name|outer", "2: A|10,5" });
    row("the header's first separator decides", "a;b,c\n1;2,3\n", ';', { "1: a|b,c", "2: 1|2,3" });
    row("a comma first", "a,b;c\n1,2;3\n", ',', { "1: a|b;c", "2: 1|2;3" });
    row("no separator in the header", "name\nA;B\n", ',', { "1: name", "2: A;B" });
    row("comments and blank lines first", "# a, b\n\n a;b\n", ';', { "3:  a|b" });
    row("quoted comma in the header", "\"a,b\";c\n1,5;\"x;y\"\n", ';',
        { "1: a,b|c", "2: 1,5|x;y" });
    row("quotes over two lines", "\"a\nb,c\";d\n", ';', { "1: a\nb,c|d" });
    row("byte order mark and CRLF", "\xEF\xBB\xBFname;outer\r\nAhorn;10,5\r\n", ';',
        { "1: name|outer", "2: Ahorn|10,5" });
    row("byte order mark, then Windows-1252", "\xEF\xBB\xBFname;outer\r\nAhorn \xE9;10,5\r\n", ';',
        { "1: name|outer", "2: Ahorn é|10,5" });
    // Bytes that stand for no character are shown as such.
    row("Windows-1252 beyond Latin-1", "\x80\x93x\x94\x8A \x81\x8D\x8F\x90\x9D", ',',
        { "1: €“x”Š \uFFFD\uFFFD\uFFFD\uFFFD\uFFFD" });
    row("UTF-8 stays", "Ahorn \xC3\xA9,\xE2\x82\xAC,\xF0\x9F\x8C\xB3", ',', { "1: Ahorn é|€|🌳" });
    row("overlong form is Windows-1252", "\xC0\xAF", ',', { "1: À¯" });
    row("cut-off character is Windows-1252", "a;\xC3", ';', { "1: a|Ã" });
}

void TestCsv::separatorsAndEncodings()
{
    QFETCH(QByteArray, text);
    QFETCH(char, separator);
    QFETCH(QStringList, records);
    const CsvText csv = readCsv(text.toStdString());
    QVERIFY2(!csv.problem, csv.problem ? csv.problem->message.c_str() : "");
    QCOMPARE(shown(csv), records);
    QCOMPARE(csv.separator, separator);
}

void TestCsv::problems_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");

    QTest::newRow("quote not closed")
        << QByteArray("a,b\n\"open,1\n2,3\n") << 2 << QString::fromUtf8(csvUnclosedQuote);
    QTest::newRow("quote not closed at the very end")
        << QByteArray("a\n\"") << 2 << QString::fromUtf8(csvUnclosedQuote);
    QTest::newRow("text after the closing quote")
        << QByteArray("a\n\"Rim\" top,1\n") << 2 << QString::fromUtf8(csvTextAfterQuote);
    QTest::newRow("text after a quote that spans lines")
        << QByteArray("a\n\"x\ny\"z\n") << 3 << QString::fromUtf8(csvTextAfterQuote);
    QTest::newRow("a comma after the quote in a semicolon file")
        << QByteArray("a;b\n\"x\",1\n") << 2 << QString::fromUtf8(csvTextAfterQuote);
}

void TestCsv::problems()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(QString, message);
    const CsvText csv = readCsv(text.toStdString());
    QVERIFY(csv.problem.has_value());
    QCOMPARE(csv.problem->line, line);
    QCOMPARE(QString::fromStdString(csv.problem->message), message);
}

void TestCsv::fields_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QByteArray>("field");
    const auto row = [](const char *name, const char *text, char separator, const char *field) {
        QTest::newRow(name) << QByteArray(text) << separator << QByteArray(field);
    };

    row("inner blanks", "21  1/ 16+", ',', "21  1/ 16+");
    row("comma", "Rim, top", ',', "\"Rim, top\"");
    row("comma in a semicolon file", "Rim, top", ';', "Rim, top");
    row("semicolon", "Rim; top", ';', "\"Rim; top\"");
    row("semicolon in a comma file", "Rim; top", ',', "Rim; top");
    row("quote", "10\" bowl", ';', "\"10\"\" bowl\"");
    row("line break", "a\nb", ',', "\"a\nb\"");
    row("carriage return", "a\rb", ';', "\"a\rb\"");
    row("trailing blank", "Segmented Circle ", ',', "\"Segmented Circle \"");
    row("leading tab", "\tx", ';', "\"\tx\"");
    row("comment sign", "#1", ',', "\"#1\"");
    row("empty", "", ';', "");
    row("not ASCII", "Ahorn é", ';', "Ahorn é");
}

// Each field is written as the table says, and reads back as the text it was made from, first
// in its record or not.
void TestCsv::fields()
{
    QFETCH(QByteArray, text);
    QFETCH(char, separator);
    QFETCH(QByteArray, field);
    const std::string written = csvField(text.toStdString(), separator);
    QCOMPARE(QByteArray::fromStdString(written), field);

    const std::string header = std::string("a") + separator + "b\n";
    const CsvText csv = readCsv(header + written + separator + written + "\n");
    QVERIFY2(!csv.problem, csv.problem ? csv.problem->message.c_str() : "");
    const std::vector<std::string> both { text.toStdString(), text.toStdString() };
    QCOMPARE(csv.records.back().fields, both);
}

QTEST_APPLESS_MAIN(TestCsv)
#include "tst_csv.moc"
