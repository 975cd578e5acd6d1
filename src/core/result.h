#pragma once

#include "fixed4.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace talir::core {

// The three ways a calculation can end.
enum class Outcome { Invalid, NotComposite, Composite };

QString outcomeName(Outcome outcome); // "invalid", "not_composite", "composite"

// One product of a composite outcome: what will be made, in its nominal
// size, and how many. The grille names the product, also where the order
// line does not ("ПТ-Д6 с сеткой" is its own product, though its order line
// reads "ПТ-Д6"); sub-types are their own products ("ПТ-Ф1").
struct Product {
    QString grille; // "ПТ-Д5", "ПТ-Д6 с сеткой", "ПТ-ЛД1"
    double width;   // nominal size, mm (ПТ-ЛД heights may be fractional)
    double height;
    std::int64_t count;
    Fixed4 unitMass;                               // kg, one product
    std::optional<Fixed4> freeArea = std::nullopt; // m², one product

    // "ТАЛИР ПТ-Д5 1223x600": the same product always has the same name.
    QString name() const;
    Fixed4 mass() const { return unitMass * count; }
};

// The figures of a composite outcome as numbers, each absent where the type
// has none: A1 and B1 the overall size of one section (mm), Fcc its free area
// and So that of all sections (m²), m the mass of one section (kg), p the
// pressure drop (Pa), L02 the jet throw (m). The pressure drop and the jet
// throw are computed also where the window hides them (flowShown).
struct Figures {
    std::optional<Fixed4> A1 = std::nullopt;
    std::optional<Fixed4> B1 = std::nullopt;
    std::optional<Fixed4> Fcc = std::nullopt;
    std::optional<Fixed4> So = std::nullopt;
    std::optional<Fixed4> m = std::nullopt;
    std::optional<Fixed4> p = std::nullopt;
    std::optional<Fixed4> L02 = std::nullopt;
};

// The section a sketch draws, in millimetres: the overall size (the flange's
// outer edge, A1 × B1), the nominal size and the part that enters the opening
// (the sizes the sketch writes at the views from the side and from below),
// and how the opening is divided.
struct SectionGeometry {
    double overallWidth = 0;
    double overallHeight = 0;
    double width = 0;
    double height = 0;
    double partWidth = 0;
    double partHeight = 0;
    std::int64_t columns = 0;
    std::int64_t rows = 0;
};

// A ПТ-ЛД strip: the opening length L, the grille height B, the ПТ-ЛД2
// sections between the two ends and the widths of the left and right end
// sections ПТ-ЛД1 (mm), and the vertical supports of each kind of section.
struct StripGeometry {
    double length = 0;
    double height = 0;
    std::int64_t middles = 0;
    double middleWidth = 0;
    double leftEnd = 0;
    double rightEnd = 0;
    int endSupports = 0;
    int middleSupports = 0;
};

// Everything a calculation decides, before any window is touched: the outcome,
// every text it writes keyed by control name (in the order it writes them),
// whether the pressure-drop and jet-throw rows are shown, and the sketch
// window that "ПОКАЗАТЬ ЭСКИЗ" opens (empty where there is none); for a
// composite outcome also the same figures as numbers, for drawings and
// orders, so that no text is ever parsed back.
struct Result {
    Outcome outcome = Outcome::Invalid;
    std::vector<std::pair<QString, QString>> texts;
    bool flowShown = false;
    QString sketch;
    std::vector<Product> products; // empty unless composite
    Figures figures;
    std::optional<SectionGeometry> section; // the windows with a sketch
    std::optional<StripGeometry> strip;     // ПТ-ЛД

    void set(const QString& control, const QString& text);
    // The text written into a control; an empty text where none was written.
    QString text(const QString& control) const;
    bool has(const QString& control) const;
};

} // namespace talir::core
