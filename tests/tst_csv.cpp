// Reading comma-separated values: quoting as RFC 4180 has it, line breaks of every kind, the lines
// a project file skips, and the line each record starts on.

#include "core/csv.h"

#include <QTest>

using namespace orvane;

class TestCsv : public QObject
{
    Q_OBJECT

private slots:
    void records_data();
    void records();
    void problems_data();
    void problems();
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

QTEST_APPLESS_MAIN(TestCsv)
#include "tst_csv.moc"
