#include "cli.h"

#include "batch.h"
#include "calculators/calculator.h"
#include "calculators/panel.h"
#include "orders/openingjson.h"
#include "sketchcommand.h"
#include "talir_version.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QLocale>

#include <algorithm>

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
    // The keys before "products" keep the bytes they always had; the numbers
    // follow in QJsonDocument's notation.
    const auto compact = [](const auto& json) {
        return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
    };
    return QStringLiteral("{\"window\": %1, \"outcome\": %2, \"texts\": {%3}, "
                          "\"flow_shown\": %4, \"sketch\": %5, \"products\": %6, "
                          "\"figures\": %7}")
        .arg(jsonString(window), jsonString(core::outcomeName(result.outcome)),
             texts.join(QStringLiteral(", ")),
             result.flowShown ? QStringLiteral("true") : QStringLiteral("false"),
             result.sketch.isEmpty() ? QStringLiteral("null") : jsonString(result.sketch),
             compact(orders::productsJson(result)), compact(orders::figuresJson(result)));
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

// The options, in the order the usage text lists them. An option with a
// value name takes the next argument (or "=value").
const QList<QCommandLineOption>& options() {
    static const QList<QCommandLineOption> list{
        {QStringList{"json"}, QStringLiteral("print one JSON object on one line")},
        {QStringList{"locale"}, QStringLiteral("the notation of the texts"),
         QStringLiteral("NAME")},
        {QStringList{"sub"}, QStringLiteral("the sub-type check box ticked")},
        {QStringList{"sketch"}, QStringLiteral("write the sketch of the calculation"),
         QStringLiteral("FILE")},
        {QStringList{"batch"}, QStringLiteral("a CSV list of openings"), QStringLiteral("FILE")},
        {QStringList{"o", "output"}, QStringLiteral("where the batch goes"), QStringLiteral("OUT")},
        {QStringList{"format"}, QStringLiteral("csv, json or xlsx"), QStringLiteral("FORMAT")},
        {QStringList{"h", "help"}, QStringLiteral("this text")},
        {QStringList{"version"}, QStringLiteral("the version")},
    };
    return list;
}

bool takesValue(const QString& argument) {
    if (argument.contains(QLatin1Char('=')))
        return false;
    const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    for (const QCommandLineOption& option : options())
        if (option.names().contains(name))
            return !option.valueName().isEmpty();
    return false;
}

// Options come before WINDOW; after it every argument is an input text, even
// "-1" or "-": the parser is told so by a "--" in front of WINDOW.
QStringList endOptionsAtWindow(const QStringList& arguments) {
    QStringList marked = arguments;
    for (qsizetype i = 0; i < marked.size(); ++i) {
        const QString& argument = marked[i];
        if (argument == QLatin1String("--"))
            break;
        if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            if (takesValue(argument))
                ++i;
            continue;
        }
        marked.insert(i, QStringLiteral("--"));
        break;
    }
    return marked;
}

Output calculateOne(const QCommandLineParser& parser, const QLocale& locale) {
    QStringList positional = parser.positionalArguments();
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

    const QString sketchFile = parser.value(QStringLiteral("sketch"));
    if (parser.isSet(QStringLiteral("sketch")))
        if (const QString problem = sketchFileProblem(sketchFile); !problem.isEmpty())
            return fail(problem);

    const core::Result result = calculate(
        {positional[0], positional[1], positional[2], parser.isSet(QStringLiteral("sub")), locale});
    Output output;
    if (parser.isSet(QStringLiteral("json"))) {
        output.out = toJson(window, result) + QLatin1Char('\n');
    } else {
        const auto* descriptor = calculators::findPatternWindow(window);
        const QStringList lines =
            descriptor ? calculators::readPanel(result, descriptor->jetThrow) : readStrip(result);
        output.out = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    if (parser.isSet(QStringLiteral("sketch"))) {
        const Output written = writeResultSketch(sketchFile, result);
        output.status = written.status;
        output.err = written.err;
    }
    return output;
}

} // namespace

QString usage() {
    QStringList windows;
    for (const QString& name : calculators::calculationWindowNames())
        windows << name;
    return QStringLiteral(
               "Usage: talir-calc [--json] [--locale NAME] [--sub] [--sketch FILE] [--] WINDOW A B "
               "Q\n"
               "   or: talir-calc --batch FILE [-o OUT] [--format csv|json|xlsx] [--locale NAME]\n"
               "Sizes a composite ТАЛИР grille as its calculation window does: how many\n"
               "equal sections of which size to order for the opening A x B (mm) at the\n"
               "air flow Q (m3/h), with free area, mass, pressure drop and jet throw.\n"
               "\n"
               "  WINDOW    one of: %1\n"
               "  A B Q     the texts as typed into the window's boxes (for PTLD: L, B, Q)\n"
               "  --json    print one JSON object on one line\n"
               "  --locale  the notation of the texts (default: the user's locale)\n"
               "  --sub     the sub-type check box ticked (PTF: ПТ-Ф1, PTJ: ПТ-Ж1)\n"
               "  --sketch  also write the sketch of the section to FILE (.pdf .svg .png);\n"
               "            an outcome without a sketch writes nothing and exits 1\n"
               "  --batch   calculate the openings of a CSV file (columns mark, window, A, B, Q\n"
               "            and optionally sub) and write them with their order\n"
               "  -o        the output file, \"-\" for standard output (the default)\n"
               "  --format  csv, json or xlsx (default: by the output's extension, else csv)\n"
               "  --help    print this help\n"
               "  --version print the version\n")
        .arg(windows.join(QLatin1Char(' ')));
}

Output run(const QStringList& arguments, QIODevice* standardOutput) {
    QCommandLineParser parser;
    parser.addOptions(options());
    parser.addPositionalArgument(QStringLiteral("WINDOW"), QStringLiteral("calculation window"));
    if (!parser.parse(QStringList{QStringLiteral("talir-calc")} + endOptionsAtWindow(arguments)))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        return {0, usage(), {}};
    if (parser.isSet(QStringLiteral("version")))
        return {0, QStringLiteral("talir-calc %1\n").arg(QLatin1String(kVersion)), {}};

    const QLocale locale = parser.isSet(QStringLiteral("locale"))
                               ? QLocale(parser.value(QStringLiteral("locale")))
                               : QLocale();
    const bool batch = parser.isSet(QStringLiteral("batch"));
    if (!batch) {
        for (const char* option : {"output", "format"})
            if (parser.isSet(QString::fromLatin1(option)))
                return fail(QStringLiteral("-o and --format go with --batch"));
        return calculateOne(parser, locale);
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("--batch reads its openings from the file, not from ") +
                    parser.positionalArguments().join(QLatin1Char(' ')));
    if (parser.isSet(QStringLiteral("json")) || parser.isSet(QStringLiteral("sub")))
        return fail(
            QStringLiteral("with --batch, use --format json, and the sub column of the file"));
    BatchOptions batchOptions{.input = parser.value(QStringLiteral("batch")),
                              .output = QStringLiteral("-"),
                              .format = parser.value(QStringLiteral("format")),
                              .locale = locale};
    if (parser.isSet(QStringLiteral("output")))
        batchOptions.output = parser.value(QStringLiteral("output"));
    return runBatch(batchOptions, standardOutput);
}

} // namespace talir::cli
