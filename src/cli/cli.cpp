#include "cli.h"

#include "calculators/calculator.h"
#include "calculators/panel.h"

#include "talir_version.h"

#include <QLocale>

namespace talir::cli {
namespace {

QString jsonString(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            quoted += QStringLiteral("\\\"");
            break;
        case '\\':
            quoted += QStringLiteral("\\\\");
            break;
        case '\n':
            quoted += QStringLiteral("\\n");
            break;
        case '\r':
            quoted += QStringLiteral("\\r");
            break;
        case '\t':
            quoted += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                quoted += c;
        }
    }
    return quoted + QLatin1Char('"');
}

QString toJson(const QString& window, const core::Result& result) {
    QStringList texts;
    for (const auto& [control, text] : result.texts)
        texts << jsonString(control) + QStringLiteral(": ") + jsonString(text);
    return QStringLiteral("{\"window\": %1, \"outcome\": %2, \"texts\": {%3}, "
                          "\"flow_shown\": %4, \"sketch\": %5}")
        .arg(jsonString(window), jsonString(core::outcomeName(result.outcome)),
             texts.join(QStringLiteral(", ")),
             result.flowShown ? QStringLiteral("true") : QStringLiteral("false"),
             result.sketch.isEmpty() ? QStringLiteral("null") : jsonString(result.sketch));
}

// The strip window reads its results as rows of order line, free area and
// mass, then the totals.
QStringList readStrip(const core::Result& result) {
    QStringList shown;
    const char* const order[] = {"txtG",  "txtS",  "txtM",  "txtG1", "txtS1",
                                 "txtM1", "txtG2", "txtS2", "txtM2", "txtSob"};
    for (const char* control : order) {
        const QString text = result.text(QString::fromLatin1(control)).trimmed();
        if (!text.isEmpty())
            shown << result.text(QString::fromLatin1(control));
    }
    if (result.outcome == core::Outcome::Composite && result.flowShown) {
        shown << QStringLiteral("Δ") + result.text(QStringLiteral("txtP1"));
        shown << result.text(QStringLiteral("txtL02"));
    }
    return shown;
}

Output fail(const QString& message) {
    return {2, {}, QStringLiteral("talir-calc: ") + message + QLatin1Char('\n') + usage()};
}

} // namespace

QString usage() {
    QStringList windows;
    for (const QString& name : calculators::calculationWindowNames())
        windows << name;
    return QStringLiteral(
               "Usage: talir-calc [--json] [--locale NAME] [--sub] [--] WINDOW A B Q\n"
               "Sizes a composite ТАЛИР grille as its calculation window does: how many\n"
               "equal sections of which size to order for the opening A x B (mm) at the\n"
               "air flow Q (m3/h), with free area, mass, pressure drop and jet throw.\n"
               "\n"
               "  WINDOW     one of: %1\n"
               "  A B Q      the texts as typed into the window's boxes (for PTLD: L, B, Q)\n"
               "  --json     print one JSON object on one line\n"
               "  --locale   the notation of the texts (default: the user's locale)\n"
               "  --sub      the sub-type check box ticked (PTF: ПТ-Ф1, PTJ: ПТ-Ж1)\n"
               "  --help     print this help\n"
               "  --version  print the version\n")
        .arg(windows.join(QLatin1Char(' ')));
}

Output run(const QStringList& arguments) {
    bool json = false;
    bool sub = false;
    QLocale locale;
    QStringList positional;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // Options come before WINDOW; after it every argument is an input text,
        // even "-1" or "-".
        if (optionsEnded || !positional.isEmpty()) {
            positional << argument;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            return {0, usage(), {}};
        } else if (argument == QLatin1String("--version")) {
            return {0, QStringLiteral("talir-calc %1\n").arg(QLatin1String(kVersion)), {}};
        } else if (argument == QLatin1String("--json")) {
            json = true;
        } else if (argument == QLatin1String("--sub")) {
            sub = true;
        } else if (argument == QLatin1String("--locale")) {
            if (++i >= arguments.size())
                return fail(QStringLiteral("--locale needs a locale name"));
            locale = QLocale(arguments[i]);
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return fail(QStringLiteral("unknown option ") + argument);
        } else {
            positional << argument;
        }
    }
    if (positional.isEmpty())
        return fail(QStringLiteral("no window named"));
    const QString window = positional.takeFirst();
    const auto& names = calculators::calculationWindowNames();
    if (std::find(names.begin(), names.end(), window) == names.end())
        return fail(QStringLiteral("unknown window ") + window);
    if (positional.size() != 3)
        return fail(QStringLiteral("expected the three texts A B Q after the window"));
    const calculators::Calculate calculate = calculators::calculatorFor(window);
    if (!calculate)
        return fail(QStringLiteral("no calculation for ") + window + QStringLiteral(" yet"));

    const core::Result result =
        calculate({positional[0], positional[1], positional[2], sub, locale});
    if (json)
        return {0, toJson(window, result) + QLatin1Char('\n'), {}};
    const auto* descriptor = calculators::findPatternWindow(window);
    const QStringList lines =
        descriptor ? calculators::readPanel(result, descriptor->jetThrow) : readStrip(result);
    return {0, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'), {}};
}

} // namespace talir::cli
