#include "result.h"

#include "numbers.h"

#include <algorithm>

namespace talir::core {

QString outcomeName(Outcome outcome) {
    switch (outcome) {
    case Outcome::Invalid:
        return QStringLiteral("invalid");
    case Outcome::NotComposite:
        return QStringLiteral("not_composite");
    case Outcome::Composite:
        return QStringLiteral("composite");
    }
    return {};
}

QString Product::name() const {
    // The digits as the order line writes them, without its blanks.
    return QStringLiteral("ТАЛИР ") + grille + QLatin1Char(' ') + S(width).trimmed() +
           QLatin1Char('x') + S(height).trimmed();
}

void Result::set(const QString& control, const QString& text) {
    const auto it = std::find_if(texts.begin(), texts.end(),
                                 [&](const auto& entry) { return entry.first == control; });
    if (it != texts.end())
        it->second = text;
    else
        texts.emplace_back(control, text);
}

QString Result::text(const QString& control) const {
    const auto it = std::find_if(texts.begin(), texts.end(),
                                 [&](const auto& entry) { return entry.first == control; });
    return it != texts.end() ? it->second : QString();
}

bool Result::has(const QString& control) const {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const auto& entry) { return entry.first == control; });
}

} // namespace talir::core
