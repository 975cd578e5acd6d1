#include "cli/cli.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using talir::cli::run;

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void workedExampleAsJson();
    void plainOutputReadsLikeThePanel();
    void messageOutcomes_data();
    void messageOutcomes();
    void badCalls_data();
    void badCalls();
    void realBinary();
};

void TestCli::workedExampleAsJson() {
    const auto output = run({"--json", "PTD5", "2500", "600", "200"});
    QCOMPARE(output.status, 0);
    QVERIFY(output.out.endsWith(QLatin1Char('\n')));
    QCOMPARE(output.out.count(QLatin1Char('\n')), 1);
    QJsonParseError error;
    const auto document = QJsonDocument::fromJson(output.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject object = document.object();
    QCOMPARE(object["window"].toString(), QStringLiteral("PTD5"));
    QCOMPARE(object["outcome"].toString(), QStringLiteral("composite"));
    QCOMPARE(object["flow_shown"].toBool(), true);
    QCOMPARE(object["sketch"].toString(), QStringLiteral("EskizD5"));
    const QJsonObject texts = object["texts"].toObject();
    QCOMPARE(texts["txtD5"].toString(), QStringLiteral("Решетка ТАЛИР ПТ-Д5 1223x 600 - 2 шт."));
    QCOMPARE(texts["txt2"].toString(), QStringLiteral("Горизонтальный размер (A1) : А1= 1277.5 мм."));
    QCOMPARE(texts["txt3"].toString(), QStringLiteral("Вертикальный размер (В1) : В1= 654.5 мм."));
    QCOMPARE(texts["txtFcc"].toString(), QStringLiteral("Fc.c.= 0.3346"));
    QCOMPARE(texts["txtSo"].toString(), QStringLiteral("Fc.c.общ= 0.6692"));
    QCOMPARE(texts["txtm"].toString(), QStringLiteral("m=  4.6739"));
    QCOMPARE(texts["txtP"].toString(), QStringLiteral("p= 0.0083"));
    QCOMPARE(texts["Label6"].toString(), QStringLiteral(" 1277.5"));
    QCOMPARE(texts["Label7"].toString(), QStringLiteral(" 654.5"));
    QCOMPARE(texts["Label8"].toString(), QStringLiteral("1220"));
    QCOMPARE(texts["Label9"].toString(), QStringLiteral("597"));
}

void TestCli::plainOutputReadsLikeThePanel() {
    const auto withFlow = run({"PTD5", "2500", "600", "200"}).out.split(QLatin1Char('\n'));
    QCOMPARE(withFlow.value(0), QStringLiteral("НЕОБХОДИМО ЗАКАЗАТЬ"));
    QCOMPARE(withFlow.value(1), QStringLiteral("Решетка ТАЛИР ПТ-Д5 1223x 600 - 2 шт."));
    QVERIFY(withFlow.contains(QStringLiteral("Δp= 0.0083")));
    // Without air flow the pressure-drop row is not shown, so it is not printed.
    const auto noFlow = run({"PTD5", "2500", "600", "0"}).out;
    QVERIFY(!noFlow.contains(QStringLiteral("Падение давления")));
    QVERIFY(noFlow.contains(QStringLiteral("m=  4.6739")));
}

void TestCli::messageOutcomes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("minus as text") << QStringList{"--json", "PTD5", "-1", "600", "0"} << "invalid";
    QTest::newRow("lone minus") << QStringList{"--json", "PTD5", "2500", "-", "0"} << "invalid";
    QTest::newRow("empty text") << QStringList{"--json", "PTD5", "", "600", "0"} << "invalid";
    QTest::newRow("double dash") << QStringList{"--json", "--", "PTD5", "2000", "1000", "0"}
                                 << "not_composite";
    QTest::newRow("comma in ru") << QStringList{"--json", "--locale", "ru_RU", "PTD5", "2500,5",
                                                "600", "0"} << "composite";
    QTest::newRow("point in ru") << QStringList{"--json", "--locale", "ru_RU", "PTD5", "2500.5",
                                                "600", "0"} << "invalid";
}

void TestCli::messageOutcomes() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, outcome);
    const auto output = run(arguments);
    QCOMPARE(output.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(output.out.toUtf8()).object();
    QCOMPARE(object["outcome"].toString(), outcome);
    if (outcome != QLatin1String("composite")) {
        QVERIFY(object["sketch"].isNull());
        QCOMPARE(object["texts"].toObject().keys(), QStringList{"txtNo"});
    }
}

void TestCli::badCalls_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown window") << QStringList{"PTX", "1", "2", "3"};
    QTest::newRow("missing text") << QStringList{"PTD5", "2500", "600"};
    QTest::newRow("one text too many") << QStringList{"PTD5", "2500", "600", "0", "1"};
    QTest::newRow("unknown option") << QStringList{"--fast", "PTD5", "2500", "600", "0"};
    QTest::newRow("locale without name") << QStringList{"--locale"};
}

void TestCli::badCalls() {
    QFETCH(QStringList, arguments);
    const auto output = run(arguments);
    QCOMPARE(output.status, 2);
    QVERIFY(output.out.isEmpty());
    QVERIFY(output.err.contains(QStringLiteral("usage: talir-calc")));
}

void TestCli::realBinary() {
    QProcess process;
    process.start(QStringLiteral(TALIR_CALC_BINARY), {"--json", "PTD5", "2500", "600", "200"});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    const auto object = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    QCOMPARE(object["texts"].toObject()["txtm"].toString(), QStringLiteral("m=  4.6739"));

    process.start(QStringLiteral(TALIR_CALC_BINARY), {"PTD5"});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 2);
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
