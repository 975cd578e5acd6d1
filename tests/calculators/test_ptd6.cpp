#include "expect.h"

// ПТ-Д6 without mesh (PTD6) and with mesh (PTD6set): one algorithm with the
// constants of each variant.

using talir::core::Outcome;

namespace {
const QString kMeshInvalid = QStringLiteral(
    "НЕКОРРЕКТНЫЕ ИСХОДНЫЕ ДАННЫЕ. A, B, Q не являются числом. Либо размер A или B<100 мм");
} // namespace

class TestPtd6 : public QObject {
    Q_OBJECT
private slots:
    void withoutMesh_data();
    void withoutMesh() { checkCase(); }
    void withMesh_data();
    void withMesh() { checkCase(); }
};

void TestPtd6::withoutMesh_data() {
    addCaseColumns();
    messageCase("sum exactly 3000", "PTD6", false, "2000", "1000", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("sum exactly 3000, tall", "PTD6", false, "1000", "2000", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("B below 100", "PTD6", false, "100", "99", "0", Outcome::Invalid, kInvalidMessage);
    messageCase("negative Q", "PTD6", false, "100", "100", "-1", Outcome::Invalid, kInvalidMessage);
    // One column, one start row; A1 + B1 = 3160 > 3159 adds a row. Three
    // supports: m = 7.1051.
    compositeCase("2000 x 1001", "PTD6", false, "2000", "1001", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 2000x 461 - 2 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 2079.5 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 540.5 мм."},
                         {"txtm", "m=  7.1051"}}),
                  "EskizD6", false);
    compositeCase("2000 x 2000 without flow", "PTD6", false, "2000", "2000", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 2000x 960 - 2 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 2079.5 мм."},
                         {"txt3", "Вертикальный размер (В1) : В1= 1039.5 мм."},
                         {"txtFcc", "Fc.c.= 0.9071"},
                         {"txtm", "m=  12.515"},
                         {"txtSo", "Fc.c.общ=  1.8142"},
                         {"Label6", " 2079.5"},
                         {"Label7", " 1039.5"},
                         {"Label8", "1997"},
                         {"Label9", "957"}}),
                  "EskizD6", false);
    // Start quotient exactly 3: R(3.5) = 4 rows.
    compositeCase("start quotient 3", "PTD6", false, "100", "6159", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 100x 1480 - 4 шт."}}), "EskizD6_1", false);
    compositeCase("largest section height", "PTD6", false, "100", "6158", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 100x 2000 - 3 шт."},
                         {"txt3", "Вертикальный размер (В1) : В1= 2079.5 мм."}}),
                  "EskizD6_1", false);
    // A1 = 1539.75 rounds to a = 1460; A1 = 1539.5 < B1 = 1579.5.
    compositeCase("3000 x 1500", "PTD6", false, "3000", "1500", "5000",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 1460x 1500 - 2 шт."},
                         {"txtFcc", "Fc.c.=  1.0539"},
                         {"txtm", "m=  13.8239"},
                         {"txtSo", "Fc.c.общ=  2.1078"},
                         {"txtP", "p= 0.521"}}),
                  "EskizD6_1", true);
    compositeCase("three columns, two rows", "PTD6", false, "4500", "2500", "10000",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 1447x 1210 - 6 шт."},
                         {"txtFcc", "Fc.c.= 0.8355"},
                         {"txtm", "m=  11.3679"},
                         {"txtSo", "Fc.c.общ=  5.013"},
                         {"txtP", "p= 0.3685"}}),
                  "EskizD6", true);
    // A1 = 579.5 is the first width with one support: m = 5.6781.
    compositeCase("support threshold", "PTD6", false, "500", "3000", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 500x 1460 - 2 шт."},
                         {"txt2", "Горизонтальный размер (A1) : А1= 579.5 мм."},
                         {"txtm", "m=  5.6781"}}),
                  "EskizD6_1", false);
    // There are two drawings; a square section takes the wide one.
    compositeCase("square section", "PTD6", false, "3000", "3000", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 1460x 1460 - 4 шт."}}), "EskizD6", false);
}

void TestPtd6::withMesh_data() {
    addCaseColumns();
    messageCase("1000 x 2000", "PTD6set", false, "1000", "2000", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("2000 x 1000", "PTD6set", false, "2000", "1000", "0", Outcome::NotComposite,
                kNotComposite);
    messageCase("B below 100", "PTD6set", false, "100", "99", "0", Outcome::Invalid, kMeshInvalid);
    messageCase("negative Q", "PTD6set", false, "100", "100", "-1", Outcome::Invalid, kMeshInvalid);
    compositeCase("1001 x 2000", "PTD6set", false, "1001", "2000", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 1001x 960 - 2 шт."}}), "EskizD6", false);
    compositeCase("2000 x 2000 without flow", "PTD6set", false, "2000", "2000", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 2000x 960 - 2 шт."},
                         {"txtFcc", "Fc.c.= 0.7257"},
                         {"txtm", "m=  17.2963"},
                         {"txtSo", "Fc.c.общ=  1.4514"}}),
                  "EskizD6", false);
    // Both sides 1179.5 overall: the short-side rule adds a row. One support:
    // m = 5.8966.
    compositeCase(
        "short-side rule", "PTD6set", false, "1100", "1100", "0",
        texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 1100x 510 - 2 шт."}, {"txtm", "m=  5.8966"}}),
        "EskizD6", false);
    compositeCase("2500 x 2500", "PTD6set", false, "2500", "2500", "3000",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 1210x 780 - 6 шт."},
                         {"txtFcc", "Fc.c.= 0.3515"},
                         {"txtm", "m=  9.1295"},
                         {"txtSo", "Fc.c.общ=  2.109"},
                         {"txtP", "p= 0.1874"}}),
                  "EskizD6", true);
    compositeCase("3000 x 1500", "PTD6set", false, "3000", "1500", "5000",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 1460x 710 - 4 шт."},
                         {"txtFcc", "Fc.c.= 0.3838"},
                         {"txtm", "m=  9.9794"},
                         {"txtSo", "Fc.c.общ=  1.5352"},
                         {"txtP", "p= 0.9822"},
                         {"Label6", " 1539.5"},
                         {"Label7", " 789.5"}}),
                  "EskizD6", true);
    // A1 = 1579.5 is class 2 with mesh (3 without): m = 13.2367.
    compositeCase(
        "mesh support classes", "PTD6set", false, "1500", "2000", "0",
        texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 1500x 960 - 2 шт."}, {"txtm", "m=  13.2367"}}),
        "EskizD6", false);
    // B1 = 1079.5 satisfies the short-side rule.
    compositeCase("short side exactly 1079.5", "PTD6set", false, "4000", "1000", "0",
                  texts({{"txtD5", "Решетка ТАЛИР ПТ-Д6 1960x 1000 - 2 шт."},
                         {"txt3", "Вертикальный размер (В1) : В1= 1079.5 мм."}}),
                  "EskizD6", false);
}

QTEST_APPLESS_MAIN(TestPtd6)
#include "test_ptd6.moc"
