#include "expect.h"

// ПТ-Л (horizontal blades) and ПТ-ЛШ (crossed blades): one set of figures
// and texts with the constants of each type.

using talir::core::Outcome;

class TestPtl : public QObject {
    Q_OBJECT
private slots:
    void horizontalBlades_data();
    void horizontalBlades() { checkCase(); }
    void crossedBlades_data();
    void crossedBlades() { checkCase(); }
};

void TestPtl::horizontalBlades_data() {
    addCaseColumns();
    messageCase("sum exactly 3000", "PTL", false, "2000", "1000", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("B below 100", "PTL", false, "100", "99", "0", Outcome::Invalid, kInvalidMessage);
    messageCase("negative Q", "PTL", false, "100", "100", "-1", Outcome::Invalid, kInvalidMessage);
    compositeCase("worked example", "PTL", false, "1500", "1600", "2000",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Л 1500x 771 - 2 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 1547.5 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 828.5 мм."},
                         {"txtFcc", "Fc.c.= 0.9042"},
                         {"txtm", "m=  7.4475"},
                         {"txtSo", "Fc.c.общ=  1.8084"},
                         {"txtP", "p= 0.0388"},
                         {"txtL02", "L02= 5.6683"},
                         {"Label6", " 1547.5"},
                         {"Label7", " 828.5"},
                         {"Label8", "1500"},
                         {"Label9", "771"}}),
                  "EskizL", true);
    // The sum rule adds a row (A is not above 2000); three bars: m = 6.1721.
    compositeCase("sum rule adds a row", "PTL", false, "2000", "1001", "500",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Л 2000x 472 - 2 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 2047.5 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 529.5 мм."},
                         {"txtm", "m=  6.1721"}}),
                  "EskizL", true);
    // Start rows R(1.5) = 2; A1 = 1147.5 is the first width with two bars:
    // m = 6.8163.
    compositeCase(
        "bar threshold", "PTL", false, "1100", "2000", "0",
        texts({{"txtD5", "Решетка ТАЛИР ПТ-Л 1100x 971 - 2 шт."}, {"txtm", "m=  6.8163"}}),
        "EskizL", false);
    // A1 = 2023.75 rounds to a = 1976.
    compositeCase("two columns", "PTL", false, "4000", "1000", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Л 1976x 1000 - 2 шт."}}), "EskizL", false);
    compositeCase("two by two", "PTL", false, "2001", "2001", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Л 977x 972 - 4 шт."}}), "EskizL1", false);
    compositeCase("figures below 1", "PTL", false, "100", "2100", "100",
                  texts({{"txtSo", "Fc.c.общ= 0.1512"}, {"txtL02", "L02=0.9802"}}), "EskizL1",
                  true);
    // b = a − 10 gives A1 = B1 = 1047.5.
    compositeCase("square section", "PTL", false, "1000", "2037.5", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Л 1000x 990 - 2 шт."}}), "EskizL2", false);
}

void TestPtl::crossedBlades_data() {
    addCaseColumns();
    messageCase("2000 x 500", "PTLW", false, "2000", "500", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("500 x 2000", "PTLW", false, "500", "2000", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("negative Q", "PTLW", false, "100", "100", "-1", Outcome::Invalid, kInvalidMessage);
    compositeCase("worked example", "PTLW", false, "1800", "700", "800",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-ЛШ 1800x 326 - 2 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 1847.5 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 373.5 мм."},
                         {"txtFcc", "Fc.c.= 0.3616"},
                         {"txtm", "m=  7.2691"},
                         {"txtSo", "Fc.c.общ= 0.7232"},
                         {"txtP", "p= 0.0388"},
                         {"txtL02", "L02= 3.5854"},
                         {"Label6", " 1847.5"},
                         {"Label7", " 373.5"},
                         {"Label8", "1800"},
                         {"Label9", "326"}}),
                  "EskizLW", true);
    compositeCase("rows", "PTLW", false, "2000", "501", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-ЛШ 2000x 227 - 2 шт."}}), "EskizLW", false);
    compositeCase("three rows", "PTLW", false, "1200", "1200", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-ЛШ 1200x 368 - 3 шт."}}), "EskizLW", false);
    // A narrow tall opening is cut into rows, not into tall strips.
    compositeCase("narrow opening in rows", "PTLW", false, "400", "2500", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-ЛШ 400x 462 - 5 шт."}}), "EskizLW_1", false);
    compositeCase("columns", "PTLW", false, "2500", "400", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-ЛШ 462x 400 - 5 шт."}}), "EskizLW", false);
    // B1 = 1547.5 gives three horizontal bars: m = 8.3527.
    compositeCase(
        "columns of full height", "PTLW", false, "3000", "1500", "0",
        texts({{"txtD5", "Решетка ТАЛИР ПТ-ЛШ 460x 1500 - 6 шт."}, {"txtm", "m=  8.3527"}}),
        "EskizLW_1", false);
    compositeCase("grid", "PTLW", false, "2100", "2100", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-ЛШ 1026x 489 - 8 шт."}}), "EskizLW", false);
    // B1 = 547.5: one horizontal bar and one vertical bar, m = 3.9894.
    compositeCase(
        "horizontal bar threshold", "PTLW", false, "600", "1047.5", "0",
        texts({{"txtD5", "Решетка ТАЛИР ПТ-ЛШ 600x 500 - 2 шт."}, {"txtm", "m=  3.9894"}}),
        "EskizLW", false);
    compositeCase("square section", "PTLW", false, "400", "2190", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-ЛШ 400x 400 - 5 шт."}}), "EskizLW_2", false);
}

QTEST_APPLESS_MAIN(TestPtl)
#include "test_ptl.moc"
