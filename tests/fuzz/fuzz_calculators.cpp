// libFuzzer target of the input path: whatever a user types into a
// calculation window, in whatever locale, ends in one of the three outcomes
// with its texts, never in a crash, a sanitizer report or a hang.

#include "fuzzinput.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const talir::fuzz::FuzzInput& fuzz, const char* what,
                       const QString& detail) {
    std::fprintf(stderr, "%s: %s (window %s, locale %s, texts [%s] [%s] [%s])\n", what,
                 detail.toUtf8().constData(), qPrintable(fuzz.window),
                 qPrintable(fuzz.input.locale.name()), fuzz.input.a.toUtf8().constData(),
                 fuzz.input.b.toUtf8().constData(), fuzz.input.q.toUtf8().constData());
    std::abort();
}

bool isEcho(const talir::fuzz::FuzzInput& fuzz, const QString& text) {
    return text == fuzz.input.a || text == fuzz.input.b || text == fuzz.input.q;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const talir::fuzz::FuzzInput fuzz = talir::fuzz::decodeFuzzInput(data, size);
    const auto calculate = talir::calculators::calculatorFor(fuzz.window);
    const talir::core::Result result = calculate(fuzz.input);

    // Every outcome writes its texts; the numbers the tool writes itself are
    // ASCII digits under every locale (only an echo of a typed text may
    // hold the user's own digits).
    if (result.texts.empty())
        fail(fuzz, "no texts written", talir::core::outcomeName(result.outcome));
    for (const auto& [control, text] : result.texts) {
        if (isEcho(fuzz, text))
            continue;
        for (const QChar c : text)
            if (c.isDigit() && (c < QLatin1Char('0') || c > QLatin1Char('9')))
                fail(fuzz, "non-ASCII digit", control + QStringLiteral(": ") + text);
    }
    if (result.outcome == talir::core::Outcome::Composite && fuzz.window != QLatin1String("PTLD") &&
        result.sketch.isEmpty())
        fail(fuzz, "composite result without a sketch", fuzz.window);
    return 0;
}
