#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace talir::core {

// The three ways a calculation can end.
enum class Outcome { Invalid, NotComposite, Composite };

QString outcomeName(Outcome outcome); // "invalid", "not_composite", "composite"

// Everything a calculation decides, before any window is touched: the outcome,
// every text it writes keyed by control name (in the order it writes them),
// whether the pressure-drop and jet-throw rows are shown, and the sketch
// window that "ПОКАЗАТЬ ЭСКИЗ" opens (empty where there is none).
struct Result {
    Outcome outcome = Outcome::Invalid;
    std::vector<std::pair<QString, QString>> texts;
    bool flowShown = false;
    QString sketch;

    void set(const QString& control, const QString& text);
    // The text written into a control; an empty text where none was written.
    QString text(const QString& control) const;
    bool has(const QString& control) const;
};

} // namespace talir::core
