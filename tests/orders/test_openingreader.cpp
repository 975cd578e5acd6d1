#include "orders/csvreader.h"

#include <QBuffer>
#include <QTest>

// Reading a list of openings as spreadsheets write CSV: each line becomes a
// row, calculated or rejected with its line number, and a text that cannot
// be a list at all stops with the line and the problem.

using talir::orders::OpeningReader;

namespace {

struct Read {
    QStringList rows; // "line|mark|window|A|B|Q|sub|outcome or error: problem"
    QString error;
    QString separator;
};

Read readAll(const QByteArray& bytes, const QString& locale = QStringLiteral("en_US")) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    OpeningReader reader(buffer);
    Read read;
    if (!reader.start()) {
        read.error = reader.error();
        return read;
    }
    read.separator = reader.separator();
    while (const auto row = reader.next(QLocale(locale))) {
        const auto& o = row->opening;
        const QString what = row->rejected() ? QStringLiteral("error: ") + row->problem
                                             : talir::core::outcomeName(row->result->outcome);
        read.rows
            << QStringList{QString::number(o.line), o.mark, o.window, o.a, o.b, o.q, o.sub, what}
                   .join(QLatin1Char('|'));
    }
    read.error = reader.error();
    return read;
}

} // namespace

class TestOpeningReader : public QObject {
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void unreadable_data();
    void unreadable();
};

void TestOpeningReader::rows_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("commas, LF, no sub column")
        << QByteArray("mark,window,A,B,Q\n1,PTD5,2500,600,200\n2,PTD5,1000,1000,0\n") << "en_US"
        << ","
        << QStringList{"2|1|PTD5|2500|600|200||composite", "3|2|PTD5|1000|1000|0||not_composite"};
    QTest::newRow("semicolons, CRLF, BOM, decimal comma")
        << QByteArray("\xEF\xBB\xBFmark;window;A;B;Q;sub\r\n1;PTD5;2500,5;600;0;\r\n"
                      "2;PTD5;2500.5;600;0;0\r\n3;PTF;3000;3000;1000;1\r\n")
        << "ru_RU"
        << ";"
        << QStringList{"2|1|PTD5|2500,5|600|0||composite", "3|2|PTD5|2500.5|600|0|0|invalid",
                       "4|3|PTF|3000|3000|1000|1|composite"};
    QTest::newRow("quoted decimal comma between commas")
        << QByteArray("mark,window,A,B,Q\n1,PTD5,\"2500,5\",600,0\n") << "ru_RU"
        << "," << QStringList{"2|1|PTD5|2500,5|600|0||composite"};
    // Quotes keep separators, doubled quotes and line breaks; the next
    // record starts on the line after the break.
    QTest::newRow("quoting")
        << QByteArray("mark,window,A,B,Q\n\"a,b\",PTD5,2500,600,0\n\"say \"\"hi\"\"\",\"PTD5\","
                      "2500,600,0\n\"two\r\nlines\",PTD5,2500,600,0\n4,PTD5,2500,600,0\n")
        << "en_US"
        << ","
        << QStringList{"2|a,b|PTD5|2500|600|0||composite",
                       "3|say \"hi\"|PTD5|2500|600|0||composite",
                       "4|two\nlines|PTD5|2500|600|0||composite", "6|4|PTD5|2500|600|0||composite"};
    QTest::newRow("columns in any order, others skipped")
        << QByteArray("Q;note;sub;B;A;window;mark\n200;x;;600;2500;PTD5;7\n") << "en_US"
        << ";" << QStringList{"2|7|PTD5|2500|600|200||composite"};
    // Every line gets a row; those that cannot be openings say why.
    QTest::newRow("bad lines")
        << QByteArray("mark,window,A,B,Q,sub\n1,PTD5,2500,600\n2,PTD5,2500,600,0,,x\n"
                      "3,PTX,1,2,3,\n4,,1,2,3,\n5,PTF,3000,3000,0,yes\n\n"
                      "7,PTD5,\"2500\"0,600,0,\n8,PTD5,abc,600,0,\n9,PTLD,2029,305,0,\n")
        << "en_US"
        << ","
        << QStringList{"2|1|PTD5|2500|600|||error: 4 fields where the header has 6",
                       "3|2|PTD5|2500|600|0||error: 7 fields where the header has 6",
                       "4|3|PTX|1|2|3||error: unknown window \"PTX\"",
                       "5|4||1|2|3||error: no window named",
                       "6|5|PTF|3000|3000|0|yes|error: sub is \"yes\", not 0, 1 or empty",
                       "7|||||||error: an empty line",
                       "8|7|PTD5|25000|600|0||error: text after the closing quote of field 3",
                       "9|8|PTD5|abc|600|0||invalid",
                       "10|9|PTLD|2029|305|0||invalid"};
    QTest::newRow("no final line end")
        << QByteArray("mark,window,A,B,Q\n1,PTD5,2500,600,200") << "en_US"
        << "," << QStringList{"2|1|PTD5|2500|600|200||composite"};
    QTest::newRow("header only") << QByteArray("mark,window,A,B,Q\r\n") << "en_US"
                                 << "," << QStringList{};
}

void TestOpeningReader::rows() {
    QFETCH(QByteArray, text);
    QFETCH(QString, locale);
    QFETCH(QString, separator);
    QFETCH(QStringList, rows);
    const Read read = readAll(text, locale);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.separator, separator);
    QCOMPARE(read.rows, rows);
}

void TestOpeningReader::unreadable_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("rowsBefore");
    QTest::newRow("empty") << QByteArray() << "line 1: no header row" << 0;
    QTest::newRow("missing column") << QByteArray("mark;window;A;B\n1;PTD5;1;2\n")
                                    << "line 1: the header has no column \"Q\" (it needs mark, "
                                       "window, A, B, Q and may have sub)"
                                    << 0;
    QTest::newRow("column twice") << QByteArray("mark,window,A,B,Q,a\n")
                                  << "line 1: the column \"a\" is named twice in the header" << 0;
    QTest::newRow("not UTF-8") << QByteArray("mark,window,A,B,Q\n1,PTD5,2500,600,0\n"
                                             "\xCF\xF2-1,PTD5,2500,600,0\n")
                               << "line 3: the text is not UTF-8" << 1;
    QTest::newRow("cut UTF-8 at the end")
        << QByteArray("mark,window,A,B,Q\n1,PTD5,2500,600,0\n\xD0")
        << "line 3: the text is not UTF-8" << 1;
    QTest::newRow("quote not closed")
        << QByteArray("mark,window,A,B,Q\n1,PTD5,2500,600,0\n\"2,PTD5,2500,600,0\n3,PTD5\n")
        << "line 3: a quoted field is not closed" << 1;
}

void TestOpeningReader::unreadable() {
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QFETCH(int, rowsBefore);
    const Read read = readAll(text);
    QCOMPARE(read.error, error);
    QCOMPARE(read.rows.size(), rowsBefore);
}

QTEST_APPLESS_MAIN(TestOpeningReader)
#include "test_openingreader.moc"
