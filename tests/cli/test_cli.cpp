#include "cli/cli.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using talir::cli::run;

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void workedExampleAsJson();
    void everyTypesWorkedExample_data();
    void everyTypesWorkedExample();
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
    QCOMPARE(texts["txt2"].toString(),
             QStringLiteral("Горизонтальный размер (A1) : А1= 1277.5 мм."));
    QCOMPARE(texts["txt3"].toString(), QStringLiteral("Вертикальный размер (В1) : В1= 654.5 мм."));
    QCOMPARE(texts["txtFcc"].toString(), QStringLiteral("Fc.c.= 0.3346"));
    QCOMPARE(texts["txtSo"].toString(), QStringLiteral("Fc.c.общ= 0.6692"));
    QCOMPARE(texts["txtm"].toString(), QStringLiteral("m=  4.6739"));
    QCOMPARE(texts["txtP"].toString(), QStringLiteral("p= 0.0083"));
    QCOMPARE(texts["Label6"].toString(), QStringLiteral(" 1277.5"));
    QCOMPARE(texts["Label7"].toString(), QStringLiteral(" 654.5"));
    QCOMPARE(texts["Label8"].toString(), QStringLiteral("1220"));
    QCOMPARE(texts["Label9"].toString(), QStringLiteral("597"));
    // The keys the line always had keep their bytes; the numbers follow.
    QVERIFY(output.out.startsWith(
        QStringLiteral("{\"window\": \"PTD5\", \"outcome\": \"composite\", \"texts\": "
                       "{\"txtD5\": \"Решетка ТАЛИР ПТ-Д5 1223x 600 - 2 шт.\", ")));
    QCOMPARE(object["products"].toArray(),
             (QJsonArray{QJsonObject{{"product", "ТАЛИР ПТ-Д5 1223x600"}, {"count", 2}}}));
    QCOMPARE(object["figures"].toObject(), (QJsonObject{{"A1", 1277.5},
                                                        {"B1", 654.5},
                                                        {"Fcc", 0.3346},
                                                        {"So", 0.6692},
                                                        {"m", 4.6739},
                                                        {"p", 0.0083}}));
    // Without air flow the window hides the pressure drop; ПТ-ЛД has no
    // figures of one section, but a jet throw.
    const auto noFlow =
        QJsonDocument::fromJson(run({"--json", "PTD5", "2500", "600", "0"}).out.toUtf8());
    QVERIFY(!noFlow.object()["figures"].toObject().contains("p"));
    const auto strip = QJsonDocument::fromJson(
        run({"--json", "--locale", "en_US", "PTLD", "2030", "305", "1000"}).out.toUtf8());
    QCOMPARE(strip.object()["figures"].toObject(),
             (QJsonObject{{"So", 0.474}, {"p", 0.2205}, {"L02", 5.5353}}));
    QCOMPARE(strip.object()["products"].toArray().size(), 3);
    const auto invalid =
        QJsonDocument::fromJson(run({"--json", "PTD5", "x", "600", "0"}).out.toUtf8());
    QCOMPARE(invalid.object()["products"].toArray(), QJsonArray());
    QCOMPARE(invalid.object()["figures"].toObject(), QJsonObject());
}

void TestCli::everyTypesWorkedExample_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected"); // "control=text"
    QTest::addColumn<QString>("sketch");
    QTest::newRow("ПТ-Д6") << QStringList{"PTD6", "2000", "2000", "0"}
                           << QStringList{"txtD5=Решетка ТАЛИР ПТ-Д6 2000x 960 - 2 шт.",
                                          "txt2=Горизонтальный размер (A1) : А1= 2079.5 мм.",
                                          "txt3=Вертикальный размер (В1) : В1= 1039.5 мм.",
                                          "txtFcc=Fc.c.= 0.9071",
                                          "txtm=m=  12.515",
                                          "txtSo=Fc.c.общ=  1.8142",
                                          "Label6= 2079.5",
                                          "Label7= 1039.5",
                                          "Label8=1997",
                                          "Label9=957"}
                           << "EskizD6";
    QTest::newRow("ПТ-Д6 с сеткой")
        << QStringList{"PTD6set", "2000", "2000", "0"}
        << QStringList{"txtD5=Решетка ТАЛИР ПТ-Д6 2000x 960 - 2 шт.", "txtFcc=Fc.c.= 0.7257",
                       "txtm=m=  17.2963", "txtSo=Fc.c.общ=  1.4514"}
        << "EskizD6";
    QTest::newRow("ПТ-Л") << QStringList{"PTL", "1500", "1600", "2000"}
                          << QStringList{"txtD5=Решетка ТАЛИР ПТ-Л 1500x 771 - 2 шт.",
                                         "txt2=Горизонтальный размер (A1) : А1= 1547.5 мм.",
                                         "txt3=Вертикальный размер (В1) : В1= 828.5 мм.",
                                         "txtFcc=Fc.c.= 0.9042",
                                         "txtm=m=  7.4475",
                                         "txtSo=Fc.c.общ=  1.8084",
                                         "txtP=p= 0.0388",
                                         "txtL02=L02= 5.6683",
                                         "Label6= 1547.5",
                                         "Label7= 828.5",
                                         "Label8=1500",
                                         "Label9=771"}
                          << "EskizL";
    QTest::newRow("ПТ-ЛШ") << QStringList{"PTLW", "1800", "700", "800"}
                           << QStringList{"txtD5=Решетка ТАЛИР ПТ-ЛШ 1800x 326 - 2 шт.",
                                          "txt2=Горизонтальный размер (A1) : А1= 1847.5 мм.",
                                          "txt3=Вертикальный размер (В1) : В1= 373.5 мм.",
                                          "txtFcc=Fc.c.= 0.3616",
                                          "txtm=m=  7.2691",
                                          "txtSo=Fc.c.общ= 0.7232",
                                          "txtP=p= 0.0388",
                                          "txtL02=L02= 3.5854",
                                          "Label8=1800",
                                          "Label9=326"}
                           << "EskizLW";
    QTest::newRow("ПТ-М") << QStringList{"PTM", "5000", "3000", "10000"}
                          << QStringList{"txtD5=Решетка ТАЛИР ПТ-М 1214x 1476 - 8 шт.",
                                         "txtL02=L02= 11.3387"}
                          << "EskizM_1";
    QTest::newRow("ПТ-МШ") << QStringList{"PTMW", "3000", "1500", "2000"}
                           << QStringList{"txtD5=Решетка ТАЛИР ПТ-МШ 460x 1500 - 6 шт.",
                                          "txt2=Горизонтальный размер (A1) : А1= 507.5 мм.",
                                          "txt3=Вертикальный размер (В1) : В1= 1547.5 мм.",
                                          "txtFcc=Fc.c.= 0.4121",
                                          "txtm=m=  7.5754",
                                          "txtSo=Fc.c.общ=  2.4726",
                                          "txtP=p= 0.0207",
                                          "txtL02=L02= 4.8476",
                                          "Label6= 507.5",
                                          "Label7= 1547.5",
                                          "Label8=458",
                                          "Label9=1498"}
                           << "EskizMW_1";
    QTest::newRow("ПТ-Ф") << QStringList{"PTF", "2500", "2000", "3600"}
                          << QStringList{"txtD5=Решетка ТАЛИР ПТ-Ф 800x 975 - 6 шт.",
                                         "txt2=Горизонтальный размер (A1) : А1= 850 мм.",
                                         "txt3=Вертикальный размер (В1) : В1= 1025 мм.",
                                         "txtFcc=Fc.c.= 0.2458",
                                         "txtm=m=  2.7177",
                                         "txtSo=Fc.c.общ=  1.4748",
                                         "txtP=p= 0.189",
                                         "txtL02=L02= 11.2982",
                                         "Label8=790",
                                         "Label9=965"}
                          << "EskizF_1";
    QTest::newRow("ПТ-Ж") << QStringList{"PTJ", "1000", "2000", "350"}
                          << QStringList{"txtD5=Решетка ТАЛИР ПТ-Ж 1000x 462 - 4 шт.",
                                         "txt2=Горизонтальный размер (A1) : А1= 1050 мм.",
                                         "txt3=Вертикальный размер (В1) : В1= 512 мм.",
                                         "txtFcc=Fc.c.= 0.1429",
                                         "txtm=m=  2.3951",
                                         "txtSo=Fc.c.общ= 0.5716",
                                         "txtP=p= 0.0119",
                                         "txtL02=L02= 1.7644",
                                         "Label8=990",
                                         "Label9=452"}
                          << "EskizJ";
    QTest::newRow("ПТ-Ф1") << QStringList{"--sub", "PTF", "2500", "2000", "3600"}
                           << QStringList{"txtD5=Решетка ТАЛИР ПТ-Ф1 806x 980 - 6 шт.",
                                          "txtFcc=Fc.c.= 0.2493",
                                          "txtm=m=  2.8435",
                                          "txtSo=Fc.c.общ=  1.4958",
                                          "txtP=p= 0.1837",
                                          "txtL02=L02= 11.2186",
                                          "Label8=789",
                                          "Label9=963"}
                           << "EskizF_1";
    QTest::newRow("ПТ-Ж1") << QStringList{"--sub", "PTJ", "1000", "2000", "350"}
                           << QStringList{"txtD5=Решетка ТАЛИР ПТ-Ж1 1000x 470 - 4 шт.",
                                          "txtFcc=Fc.c.= 0.1458",
                                          "txtm=m=  2.536",
                                          "txtSo=Fc.c.общ= 0.5832",
                                          "txtP=p= 0.0114",
                                          "txtL02=L02= 1.7468",
                                          "Label8=983",
                                          "Label9=453"}
                           << "EskizJ";
    QTest::newRow("ПТ-ЛД") << QStringList{"PTLD", "2030", "305", "1000"}
                           << QStringList{"txtG=Решетка ТАЛИР ПТ-ЛД2 1000x 300 -  1 шт.",
                                          "txtG1=Решетка ТАЛИР ПТ-ЛД1 500x 300 -  1 шт.",
                                          "txtG2=Решетка ТАЛИР ПТ-ЛД1 525x 300 -  1 шт.",
                                          "txtS=Fс.с.= 0.2352",
                                          "txtS1=Fс.с.= 0.1164",
                                          "txtS2=Fс.с.= 0.1224",
                                          "txtM=m=  3.5165",
                                          "txtM1=m=  1.8927",
                                          "txtM2=m=  1.9687",
                                          "txtSob=Fс.с.об.=0.474",
                                          "txtP1=p= 0.2205",
                                          "txtL02=L0,2= 5.5353",
                                          "txtE1=500",
                                          "txtE= 1x1000 мм",
                                          "txtE2=525",
                                          "txtP=2030"}
                           << "";
}

void TestCli::everyTypesWorkedExample() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    QFETCH(QString, sketch);
    const auto output = run(QStringList{"--json", "--locale", "en_US"} + arguments);
    QCOMPARE(output.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(output.out.toUtf8()).object();
    QCOMPARE(object["outcome"].toString(), QStringLiteral("composite"));
    QCOMPARE(object["sketch"].toString(), sketch);
    QCOMPARE(object["sketch"].isNull(), sketch.isEmpty());
    const QJsonObject texts = object["texts"].toObject();
    for (const QString& line : expected) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        QCOMPARE(texts[line.left(equals)].toString(), line.mid(equals + 1));
    }
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
    QTest::newRow("comma in ru") << QStringList{"--json", "--locale", "ru_RU", "PTD5",
                                                "2500,5", "600",      "0"}
                                 << "composite";
    QTest::newRow("point in ru") << QStringList{"--json", "--locale", "ru_RU", "PTD5",
                                                "2500.5", "600",      "0"}
                                 << "invalid";
    QTest::newRow("locale with =")
        << QStringList{"--json", "--locale=ru_RU", "PTD5", "2500,5", "600", "0"} << "composite";
    QTest::newRow("option after window is a text")
        << QStringList{"--json", "PTD5", "--sub", "600", "0"} << "invalid";
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
    QVERIFY(output.err.contains(QStringLiteral("Usage: talir-calc")));
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
