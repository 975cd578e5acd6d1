#include "expect.h"

// ПТ-М: grilles sized from the nominal size, sections at most 1500 × 1500.

using talir::core::Outcome;

class TestPtm : public QObject {
    Q_OBJECT
private slots:
    void cases_data();
    void cases() { checkCase(); }
};

void TestPtm::cases_data() {
    addCaseColumns();
    messageCase("1500 x 1500", "PTM", false, "1500", "1500", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("B below 100", "PTM", false, "100", "99", "0", Outcome::Invalid, kInvalidMessage);
    messageCase("negative Q", "PTM", false, "100", "100", "-1", Outcome::Invalid, kInvalidMessage);
    // Start rows R(1549/1548 + 0.5) = 2; B1 = 774.5 gives b = 726 (half to
    // even); A1 = 1548 has three supports.
    compositeCase("1500 x 1501", "PTM", false, "1500", "1501", "1000",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-М 1500x 726 - 2 шт."},
                         {"txtFcc", "Fc.c.= 0.8419"},
                         {"txtm", "m=  46.8138"},
                         {"txtSo", "Fc.c.общ=  1.6838"},
                         {"txtP", "p= 0.0112"},
                         {"txtL02", "L02= 2.9372"}}),
                  "EskizM", true);
    compositeCase("two columns", "PTM", false, "3000", "1000", "2000",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-М 1476x 1000 - 2 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 1524 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 1048 мм."},
                         {"txtFcc", "Fc.c.=  1.1719"},
                         {"txtm", "m=  63.9012"},
                         {"txtSo", "Fc.c.общ=  2.3438"},
                         {"txtP", "p= 0.0231"},
                         {"txtL02", "L02= 4.979"},
                         {"Label6", " 1524"},
                         {"Label7", " 1048"},
                         {"Label8", "1474"},
                         {"Label9", "990"}}),
                  "EskizM", true);
    // B1 = 1349.3333 before rounding.
    compositeCase("three rows", "PTM", false, "1000", "4000", "1000",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-М 1000x 1301 - 3 шт."}}), "EskizM_1", true);
    // (A + 48) / 1548 is exactly 2: R(2.5) = 2 and A1 = 1548 is allowed, with
    // three supports (m = 65.2717).
    compositeCase(
        "largest section", "PTM", false, "3048", "1000", "0",
        texts({{"txtD5", "Решетка ТАЛИР ПТ-М 1500x 1000 - 2 шт."}, {"txtm", "m=  65.2717"}}),
        "EskizM", false);
    compositeCase("grid", "PTM", false, "5000", "3000", "10000",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-М 1214x 1476 - 8 шт."},
                         {"txtSo", "Fc.c.общ=  11.2984"},
                         {"txtL02", "L02= 11.3387"}}),
                  "EskizM_1", true);
    compositeCase(
        "low sections", "PTM", false, "1501", "100", "100",
        texts({{"txtD5", "Решетка ТАЛИР ПТ-М 726x 100 - 2 шт."}, {"txtSo", "Fc.c.общ= 0.1032"}}),
        "EskizM", true);
    // A square section has no drawing of its own; the wide one shows it.
    compositeCase("square section", "PTM", false, "2000", "2000", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-М 976x 976 - 4 шт."},
                         {"txtFcc", "Fc.c.= 0.7645"},
                         {"txtm", "m=  40.5899"}}),
                  "EskizM", false);
}

QTEST_APPLESS_MAIN(TestPtm)
#include "test_ptm.moc"
