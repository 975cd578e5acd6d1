#include "expect.h"

// ПТ-МШ: long and narrow sections, at most 2000 × 500 or 500 × 2000 nominal.

using talir::core::Outcome;

class TestPtmw : public QObject {
    Q_OBJECT
private slots:
    void cases_data();
    void cases() { checkCase(); }
};

void TestPtmw::cases_data() {
    addCaseColumns();
    messageCase("2000 x 500", "PTMW", false, "2000", "500", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("500 x 2000", "PTMW", false, "500", "2000", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("B below 100", "PTMW", false, "100", "99", "0", Outcome::Invalid, kInvalidMessage);
    messageCase("negative Q", "PTMW", false, "100", "100", "-1", Outcome::Invalid, kInvalidMessage);
    compositeCase("worked example", "PTMW", false, "3000", "1500", "2000",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-МШ 460x 1500 - 6 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 507.5 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 1547.5 мм."},
                         {"txtFcc", "Fc.c.= 0.4121"},
                         {"txtm", "m=  7.5754"},
                         {"txtSo", "Fc.c.общ=  2.4726"},
                         {"txtP", "p= 0.0207"},
                         {"txtL02", "L02= 4.8476"},
                         {"Label6", " 507.5"},
                         {"Label7", " 1547.5"},
                         {"Label8", "458"},
                         {"Label9", "1498"}}),
                  "EskizMW_1", true);
    // B1 = 274.25 before rounding.
    compositeCase("501 x 501", "PTMW", false, "501", "501", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-МШ 501x 227 - 2 шт."}}), "EskizMW", false);
    // (A + 47.5) / 547.5 is exactly 5: R(5.5) = 6; A1 = 456.25 gives a = 409.
    compositeCase("start quotient 5", "PTMW", false, "2690", "600", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-МШ 409x 600 - 6 шт."}}), "EskizMW_1", false);
    // Quotient exactly 4: R(4.5) = 4; A1 = 547.5 has one vertical stiffener
    // (m = 3.622).
    compositeCase("start quotient 4", "PTMW", false, "2142.5", "600", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-МШ 500x 600 - 4 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 547.5 мм."},
                         {"txtm", "m=  3.622"}}),
                  "EskizMW_1", false);
    compositeCase("rows of full width", "PTMW", false, "2000", "1000", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-МШ 2000x 476 - 2 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 2047.5 мм."}}),
                  "EskizMW", false);
    compositeCase("grid", "PTMW", false, "2001", "2001", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-МШ 977x 465 - 8 шт."}}), "EskizMW", false);
    // Upright sections, one horizontal stiffener: m = 4.8877.
    compositeCase(
        "upright sections", "PTMW", false, "4000", "1000", "0",
        texts({{"txtD5", "Решетка ТАЛИР ПТ-МШ 458x 1000 - 8 шт."}, {"txtm", "m=  4.8877"}}),
        "EskizMW_1", false);
    compositeCase("figures below 1", "PTMW", false, "100", "2100", "100",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-МШ 100x 489 - 4 шт."},
                         {"txtSo", "Fc.c.общ= 0.1168"},
                         {"txtm", "m= 0.774"}}),
                  "EskizMW_1", true);
    compositeCase("square section", "PTMW", false, "489", "2100", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-МШ 489x 489 - 4 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 536.5 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 536.5 мм."}}),
                  "EskizMW_2", false);
}

QTEST_APPLESS_MAIN(TestPtmw)
#include "test_ptmw.moc"
