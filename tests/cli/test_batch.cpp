#include "cli/cli.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// talir-calc --batch: the rows say what the single calculation says, the
// files read back with real readers, and a list that cannot be read leaves
// no file behind.

using talir::cli::run;

namespace {

// The worked example of every type, sub-types, no air flow, an invalid, a
// not-composite opening and a line that cannot be an opening.
const QByteArray kOpenings = "mark,window,A,B,Q,sub\n"
                             "D5,PTD5,2500,600,200,\n"
                             "D5-0,PTD5,2500,600,0,0\n"
                             "D6,PTD6,2000,2000,0,\n"
                             "D6s,PTD6set,2000,2000,0,\n"
                             "L,PTL,1500,1600,2000,\n"
                             "LW,PTLW,1800,700,800,\n"
                             "M,PTM,5000,3000,10000,\n"
                             "MW,PTMW,3000,1500,2000,\n"
                             "F,PTF,2500,2000,3600,\n"
                             "F1,PTF,2500,2000,3600,1\n"
                             "J,PTJ,1000,2000,350,\n"
                             "J1,PTJ,1000,2000,350,1\n"
                             "LD,PTLD,2030,305,1000,\n"
                             "LD-eq,PTLD,5555,405,0,\n"
                             "bad,PTD5,-1,600,0,\n"
                             "one,PTD5,1000,1000,0,\n"
                             "what,PTQ,1,2,3,\n";
constexpr int kRows = 17;

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Runs a script of Debian's own Python and reads the JSON it prints.
QJsonObject python(const QString& script, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"),
                  QStringList{QStringLiteral("-c"), script} + arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning("python: %s", process.readAllStandardError().constData());
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

QJsonObject batchJson(const QString& input, const QString& locale = QStringLiteral("en_US")) {
    const auto output = run({"--batch", input, "--format", "json", "--locale", locale});
    if (output.status != 0)
        qWarning("%s", qPrintable(output.err));
    return QJsonDocument::fromJson(output.out.toUtf8()).object();
}

} // namespace

class TestBatch : public QObject {
    Q_OBJECT
private slots:
    void jsonRowsAreTheSingleCalculation();
    void csvFilesReadBack();
    void csvToStandardOutput();
    void xlsxReadBack();
    void unreadableListWritesNothing_data();
    void unreadableListWritesNothing();
    void badCalls_data();
    void badCalls();
    void pipedList();
};

void TestBatch::jsonRowsAreTheSingleCalculation() {
    QTemporaryDir dir;
    const QJsonObject batch = batchJson(write(dir, "in.csv", kOpenings));
    const QJsonArray openings = batch["openings"].toArray();
    QCOMPARE(openings.size(), kRows);
    for (qsizetype i = 0; i < openings.size(); ++i) {
        QJsonObject row = openings[i].toObject();
        QCOMPARE(row["line"].toInt(), int(i) + 2);
        if (row["outcome"].toString() == QLatin1String("error")) {
            QCOMPARE(row["message"].toString(), QStringLiteral("unknown window \"PTQ\""));
            continue;
        }
        QStringList arguments{"--json", "--locale", "en_US"};
        if (row["sub"].toString() == QLatin1String("1"))
            arguments << "--sub";
        arguments << "--" << row["window"].toString() << row["A"].toString() << row["B"].toString()
                  << row["Q"].toString();
        const QJsonObject single = QJsonDocument::fromJson(run(arguments).out.toUtf8()).object();
        QVERIFY(!single.isEmpty());
        for (const char* key : {"line", "mark", "A", "B", "Q", "sub"})
            row.remove(QLatin1String(key));
        QCOMPARE(row, single);
    }
    const QJsonObject totals = batch["totals"].toObject();
    QCOMPARE(totals["openings"].toInt(), kRows);
    QCOMPARE(totals["composite"].toInt(), 14);
}

void TestBatch::csvFilesReadBack() {
    QTemporaryDir dir;
    QByteArray semicolons = kOpenings;
    semicolons.replace(',', ';');
    const QString input = write(dir, "in.csv", "\xEF\xBB\xBF" + semicolons);
    const QString out = dir.filePath("order.csv");
    const auto output = run({"--batch", input, "-o", out, "--locale", "ru_RU"});
    QCOMPARE(output.status, 0);
    QVERIFY(output.out.isEmpty());
    QVERIFY(output.err.contains(QStringLiteral("openings written to ") + out));
    QVERIFY(
        output.err.contains(QStringLiteral("order written to ") + dir.filePath("order-order.csv")));

    const QJsonObject read = python(QStringLiteral(R"(
import csv, json, sys
def rows(path):
    with open(path, encoding='utf-8-sig', newline='') as f:
        return [r for r in csv.reader(f, delimiter=';')]
print(json.dumps({'openings': rows(sys.argv[1]), 'order': rows(sys.argv[2])}))
)"),
                                    {out, dir.filePath("order-order.csv")});
    const QJsonArray openings = read["openings"].toArray();
    QCOMPARE(openings.size(), kRows + 1);
    const QJsonArray header = openings[0].toArray();
    const auto column = [&](const char* name) {
        for (qsizetype c = 0; c < header.size(); ++c)
            if (header[c].toString() == QLatin1String(name))
                return c;
        qFatal("no column %s", name);
    };
    const QJsonArray ptd5 = openings[1].toArray();
    QCOMPARE(ptd5.size(), header.size());
    QCOMPARE(ptd5[column("order")].toString(),
             QStringLiteral("Решетка ТАЛИР ПТ-Д5 1223x 600 - 2 шт."));
    QCOMPARE(ptd5[column("product_1")].toString(), QStringLiteral("ТАЛИР ПТ-Д5 1223x600"));
    QCOMPARE(ptd5[column("count_1")].toString(), QStringLiteral("2"));
    QCOMPARE(ptd5[column("A1")].toString(), QStringLiteral("1277,5"));
    QCOMPARE(ptd5[column("m_total")].toString(), QStringLiteral("9,3478"));
    QCOMPARE(ptd5[column("p")].toString(), QStringLiteral("0,0083"));
    // Without air flow the window hides the pressure drop.
    QCOMPARE(openings[2].toArray()[column("p")].toString(), QString());
    const QJsonArray ptld = openings[13].toArray();
    QCOMPARE(ptld[column("order")].toString(),
             QStringLiteral("Решетка ТАЛИР ПТ-ЛД2 1000x 300 -  1 шт.\n"
                            "Решетка ТАЛИР ПТ-ЛД1 500x 300 -  1 шт.\n"
                            "Решетка ТАЛИР ПТ-ЛД1 525x 300 -  1 шт."));
    QCOMPARE(ptld[column("product_3")].toString(), QStringLiteral("ТАЛИР ПТ-ЛД1 525x300"));
    QCOMPARE(openings[15].toArray()[column("outcome")].toString(), QStringLiteral("invalid"));
    QCOMPARE(openings[17].toArray()[column("message")].toString(),
             QStringLiteral("unknown window \"PTQ\""));

    const QJsonArray order = read["order"].toArray();
    QCOMPARE(order[0].toArray(), (QJsonArray{"product", "count", "unit_mass", "mass", "marks"}));
    QCOMPARE(order[1].toArray(),
             (QJsonArray{"ТАЛИР ПТ-Д5 1223x600", "4", "4,6739", "18,6956", "D5, D5-0"}));
    const QJsonArray total = order.last().toArray();
    QCOMPARE(total[0].toString(), QStringLiteral("total"));
    const QJsonObject totals = batchJson(input, QStringLiteral("ru_RU"))["totals"].toObject();
    QCOMPARE(total[1].toString().toLongLong(), totals["sections"].toInteger());
    QCOMPARE(QLocale(QStringLiteral("ru_RU")).toDouble(total[3].toString()),
             totals["mass"].toDouble());
}

void TestBatch::csvToStandardOutput() {
    QTemporaryDir dir;
    const auto output = run({"--batch", write(dir, "in.csv", kOpenings), "--locale", "en_US"});
    QCOMPARE(output.status, 0);
    const QStringList parts = output.out.split(QStringLiteral("\n\n"));
    QCOMPARE(parts.size(), 2);
    QVERIFY(parts[0].startsWith(QStringLiteral("line,mark,window,A,B,Q,sub,outcome,")));
    QVERIFY(parts[1].startsWith(QStringLiteral("product,count,unit_mass,mass,marks\n"
                                               "ТАЛИР ПТ-Д5 1223x600,4,4.6739,18.6956,"
                                               "\"D5, D5-0\"\n")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"in.csv"});
}

void TestBatch::xlsxReadBack() {
    QTemporaryDir dir;
    const QString input = write(dir, "in.csv", kOpenings);
    const QString out = dir.filePath("order.xlsx");
    const auto output = run({"--batch", input, "-o", out, "--locale", "en_US"});
    QCOMPARE(output.status, 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"in.csv", "order.xlsx"}));

    const QJsonObject read = python(QStringLiteral(R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
result = {'sheets': book.sheetnames}
for ws in book:
    rows = list(ws.iter_rows(values_only=True))
    header = rows[0]
    numbers = {}
    for c, name in enumerate(header):
        values = [r[c] for r in rows[1:] if r[c] is not None]
        numbers[name] = all(isinstance(v, (int, float)) for v in values) if values else None
    result[ws.title] = {
        'header': list(header), 'rows': [list(r) for r in rows[1:]], 'numeric': numbers,
        'bold': all(cell.font.b for cell in ws[1]), 'frozen': ws.freeze_panes,
        'formats': {header[c.column - 1]: c.number_format for c in ws[2] if c.value is not None},
        'widths': [ws.column_dimensions[openpyxl.utils.get_column_letter(c + 1)].width
                   for c in range(len(header))]}
print(json.dumps(result, ensure_ascii=False))
)"),
                                    {out});
    QCOMPARE(read["sheets"].toArray(), (QJsonArray{"Проемы", "Заказ"}));
    const QJsonObject openings = read["Проемы"].toObject();
    const QJsonObject order = read["Заказ"].toObject();
    for (const QJsonObject& sheet : {openings, order}) {
        QVERIFY(sheet["bold"].toBool());
        QCOMPARE(sheet["frozen"].toString(), QStringLiteral("A2"));
        for (const QJsonValue width : sheet["widths"].toArray())
            QVERIFY(width.toDouble() >= 6);
    }
    const QJsonArray rows = openings["rows"].toArray();
    QCOMPARE(rows.size(), kRows);
    const QJsonObject numeric = openings["numeric"].toObject();
    for (const char* name : {"line", "width_1", "height_1", "count_1", "count_3", "A1", "B1", "Fcc",
                             "So", "m", "m_total", "p", "L02"})
        QVERIFY2(numeric[QLatin1String(name)].toBool(), name);
    QCOMPARE(numeric["A"].toBool(), false); // the input texts stay texts
    QCOMPARE(openings["formats"].toObject()["m"].toString(), QStringLiteral("0.0000"));

    const QJsonArray header = openings["header"].toArray();
    qint64 sections = 0;
    double mass = 0;
    for (const QJsonValue row : rows) {
        const QJsonArray cells = row.toArray();
        for (qsizetype c = 0; c < header.size(); ++c) {
            if (header[c].toString().startsWith(QLatin1String("count_")))
                sections += cells[c].toInteger();
            if (header[c].toString() == QLatin1String("m_total"))
                mass += cells[c].toDouble();
        }
    }
    const QJsonArray orderRows = order["rows"].toArray();
    const QJsonArray total = orderRows.last().toArray();
    QCOMPARE(total[0].toString(), QStringLiteral("total"));
    const QJsonObject totals = batchJson(input)["totals"].toObject();
    QCOMPARE(total[1].toInteger(), totals["sections"].toInteger());
    QCOMPARE(sections, totals["sections"].toInteger());
    QCOMPARE(qRound64(total[3].toDouble() * 10000), qRound64(totals["mass"].toDouble() * 10000));
    QCOMPARE(qRound64(mass * 10000), qRound64(totals["mass"].toDouble() * 10000));
    QCOMPARE(orderRows[0].toArray(),
             (QJsonArray{"ТАЛИР ПТ-Д5 1223x600", 4, 4.6739, 18.6956, "D5, D5-0"}));
}

void TestBatch::unreadableListWritesNothing_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("message");
    const QByteArray notUtf8 = kOpenings + "\xC4\xE0,PTD5,2500,600,0,\n";
    const QByteArray open = kOpenings + "\"x,PTD5,2500,600,0,\n";
    for (const char* format : {"csv", "json", "xlsx"}) {
        QTest::addRow("no header %s", format)
            << QByteArray() << format << ": line 1: no header row";
        QTest::addRow("no Q %s", format) << QByteArray("mark,window,A,B\n") << format
                                         << ": line 1: the header has no column \"Q\"";
        QTest::addRow("not UTF-8 %s", format)
            << notUtf8 << format << ": line 19: the text is not UTF-8";
        QTest::addRow("open quote %s", format)
            << open << format << ": line 19: a quoted field is not closed";
    }
}

void TestBatch::unreadableListWritesNothing() {
    QFETCH(QByteArray, text);
    QFETCH(QString, format);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString input = write(dir, "in.csv", text);
    const auto output = run({"--batch", input, "-o", dir.filePath("out." + format)});
    QCOMPARE(output.status, 2);
    QVERIFY2(output.err.contains(input + message), qPrintable(output.err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"in.csv"});
}

void TestBatch::badCalls_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QStringList{"--batch", "/nonexistent/in.csv"}
                                  << "cannot read /nonexistent/in.csv";
    QTest::newRow("no file named") << QStringList{"--batch"} << "Missing value after '--batch'";
    QTest::newRow("window too") << QStringList{"--batch", "in.csv", "PTD5", "1", "2", "3"}
                                << "not from PTD5 1 2 3";
    QTest::newRow("unknown format")
        << QStringList{"--batch", "in.csv", "--format", "ods"} << "unknown format \"ods\"";
    QTest::newRow("unknown extension")
        << QStringList{"--batch", "in.csv", "-o", "out.txt"} << "cannot tell the format of out.txt";
    QTest::newRow("xlsx to standard output")
        << QStringList{"--batch", "in.csv", "--format", "xlsx"} << "needs a file name";
    QTest::newRow("output without batch")
        << QStringList{"-o", "x.csv", "PTD5", "1", "2", "3"} << "go with --batch";
}

void TestBatch::badCalls() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    write(dir, "in.csv", kOpenings);
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const auto output = run(arguments);
    QDir::setCurrent(saved);
    QCOMPARE(output.status, 2);
    QVERIFY(output.out.isEmpty());
    QVERIFY2(output.err.contains(message), qPrintable(output.err));
}

// A pipe is read as its lines come, not as far as it holds data at the start.
void TestBatch::pipedList() {
    QProcess process;
    process.start(QStringLiteral(TALIR_CALC_BINARY),
                  {"--batch", "/dev/stdin", "--format", "json", "--locale", "en_US"});
    QVERIFY(process.waitForStarted());
    QTest::qWait(200);
    process.write("mark;window;A;B;Q\n");
    QTest::qWait(200);
    process.write("1;PTD5;2500;600;200\n");
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    const QJsonObject totals =
        QJsonDocument::fromJson(process.readAllStandardOutput()).object()["totals"].toObject();
    QCOMPARE(totals["sections"].toInt(), 2);
}

QTEST_GUILESS_MAIN(TestBatch)
#include "test_batch.moc"
