#include "expect.h"

// ПТ-Ф (mesh) and ПТ-Ж (perforated) with their sub-types ПТ-Ф1 and ПТ-Ж1:
// one algorithm with four sets of constants.

using talir::core::Outcome;

class TestPtf : public QObject {
    Q_OBJECT
private slots:
    void mesh_data();
    void mesh() { checkCase(); }
    void perforated_data();
    void perforated() { checkCase(); }
};

void TestPtf::mesh_data() {
    addCaseColumns();
    messageCase("1000 x 1000", "PTF", false, "1000", "1000", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("1000 x 1000, ПТ-Ф1", "PTF", true, "1000", "1000", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("B below 100", "PTF", false, "100", "99", "0", Outcome::Invalid, kInvalidMessage);
    messageCase("negative Q", "PTF", true, "100", "100", "-1", Outcome::Invalid, kInvalidMessage);
    // (A + 50) / 1050 = 1.001: two columns; A1 = 525.5, a = R(475.5) = 476.
    compositeCase("1001 x 1000", "PTF", false, "1001", "1000", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ф 476x 1000 - 2 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 526 мм."}}),
                  "EskizF_1", false);
    compositeCase("worked example", "PTF", false, "2500", "2000", "3600",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ф 800x 975 - 6 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 850 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 1025 мм."},
                         {"txtFcc", "Fc.c.= 0.2458"},
                         {"txtm", "m=  2.7177"},
                         {"txtSo", "Fc.c.общ=  1.4748"},
                         {"txtP", "p= 0.189"},
                         {"txtL02", "L02= 11.2982"},
                         {"Label6", " 850"},
                         {"Label7", " 1025"},
                         {"Label8", "790"},
                         {"Label9", "965"}}),
                  "EskizF_1", true);
    compositeCase("worked example, ПТ-Ф1", "PTF", true, "2500", "2000", "3600",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ф1 806x 980 - 6 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 846.5 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 1020.5 мм."},
                         {"txtFcc", "Fc.c.= 0.2493"},
                         {"txtm", "m=  2.8435"},
                         {"txtSo", "Fc.c.общ=  1.4958"},
                         {"txtP", "p= 0.1837"},
                         {"txtL02", "L02= 11.2186"},
                         {"Label8", "789"},
                         {"Label9", "963"}}),
                  "EskizF_1", true);
    compositeCase("square sections", "PTF", false, "2100", "2100", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ф 667x 667 - 9 шт."},
                         {"Label6", " 717"},
                         {"Label7", " 717"}}),
                  "EskizF_2", false);
    compositeCase(
        "one column of four", "PTF", false, "1000", "3150", "0",
        texts({{"txtD5", "Решетка ТАЛИР ПТ-Ф 1000x 750 - 4 шт."}, {"txtSo", "Fc.c.общ= 0.9444"}}),
        "EskizF", false);
}

void TestPtf::perforated_data() {
    addCaseColumns();
    messageCase("1000 x 600", "PTJ", false, "1000", "600", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("1000 x 600, ПТ-Ж1", "PTJ", true, "1000", "600", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("negative Q", "PTJ", false, "100", "100", "-1", Outcome::Invalid, kInvalidMessage);
    compositeCase("1000 x 601", "PTJ", false, "1000", "601", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ж 1000x 276 - 2 шт."}}), "EskizJ", false);
    compositeCase("1001 x 100", "PTJ", false, "1001", "100", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ж 476x 100 - 2 шт."}}), "EskizJ", false);
    // (B + 50) / 650 is exactly 2: R(2.5) = 2, the largest section.
    compositeCase("largest section", "PTJ", false, "1000", "1250", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ж 1000x 600 - 2 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 1050 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 650 мм."}}),
                  "EskizJ", false);
    // B1 = 512.5 before rounding, b = R(462.5) = 462.
    compositeCase("worked example", "PTJ", false, "1000", "2000", "350",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ж 1000x 462 - 4 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 1050 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 512 мм."},
                         {"txtFcc", "Fc.c.= 0.1429"},
                         {"txtm", "m=  2.3951"},
                         {"txtSo", "Fc.c.общ= 0.5716"},
                         {"txtP", "p= 0.0119"},
                         {"txtL02", "L02= 1.7644"},
                         {"Label6", " 1050"},
                         {"Label7", " 512"},
                         {"Label8", "990"},
                         {"Label9", "452"}}),
                  "EskizJ", true);
    compositeCase("worked example, ПТ-Ж1", "PTJ", true, "1000", "2000", "350",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ж1 1000x 470 - 4 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 1040.5 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 510.5 мм."},
                         {"txtFcc", "Fc.c.= 0.1458"},
                         {"txtm", "m=  2.536"},
                         {"txtSo", "Fc.c.общ= 0.5832"},
                         {"txtP", "p= 0.0114"},
                         {"txtL02", "L02= 1.7468"},
                         {"Label8", "983"},
                         {"Label9", "453"}}),
                  "EskizJ", true);
    compositeCase("pressure drop above 1", "PTJ", false, "3000", "500", "3000",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ж 967x 500 - 3 шт."},
                         {"txtP", "p=  1.4095"},
                         {"txtL02", "L02= 17.0447"}}),
                  "EskizJ", true);
    compositeCase("grid", "PTJ", false, "2100", "2100", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ж 667x 488 - 12 шт."}}), "EskizJ", false);
    compositeCase("square sections", "PTJ", false, "1100", "1100", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Ж 525x 525 - 4 шт."},
                         {"Label6", " 575"},
                         {"Label7", " 575"}}),
                  "EskizJ_2", false);
}

QTEST_APPLESS_MAIN(TestPtf)
#include "test_ptf.moc"
