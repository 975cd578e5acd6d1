#pragma once

// Pieces shared by the calculators of the common calculation window: reading
// and checking A, B and Q, the two message outcomes, and the result panel.

#include "calculator.h"
#include "core/fixed4.h"

#include <optional>
#include <variant>

namespace talir::calculators {

struct SizesAndFlow {
    double a; // A, mm
    double b; // B, mm
    double q; // Q, m³/h
};

// A, B and Q read in the input's locale and checked: all three numbers,
// A >= 100, B >= 100, Q >= 0 (else the invalid outcome with the type's
// message), and inside the tool's input limits (else the limits message).
std::variant<SizesAndFlow, core::Result> readSizesAndFlow(const Input& input,
                                                          const QString& invalidMessage);

// The message outcomes: txtNo alone carries the text.
core::Result invalidInput(const QString& message);
core::Result notComposite();

// The invalid-input message most types share.
QString standardInvalidMessage();

// "Решетка ТАЛИР <grille>" + S(a) + "x" + S(b) + " -" + S(n) + " шт."
QString orderLine(const QString& grille, float a, float b, float n);

// The composite panel of one section, written in the order the window shows it.
struct SectionPanel {
    QString orderLine;                    // txtD5
    core::Fixed4 overallWidth;            // A1: txt2, Label6
    core::Fixed4 overallHeight;           // B1: txt3, Label7
    QString partWidth;                    // Label8: the width the sketch shows at the bottom view
    QString partHeight;                   // Label9: the height at the side view
    core::Fixed4 freeArea;                // txtFcc
    core::Fixed4 totalFreeArea;           // txtSo
    core::Fixed4 mass;                    // txtm
    core::Fixed4 pressureDrop;            // txtP
    std::optional<core::Fixed4> jetThrow; // txtL02, in the windows that have it
    core::SectionGeometry geometry;       // the section the sketch draws
    core::Product section;                // size and count of the sections to order
};

// The composite outcome with the panel's texts; the pressure and throw rows
// are shown for a non-zero air flow only.
core::Result compositeResult(const SectionPanel& panel, double flow, const QString& sketch);

// Total free area of all sections: So = F(Fcc × N), from the stored Fcc.
core::Fixed4 totalFreeArea(core::Fixed4 freeArea, float count);

// Pressure drop of the louvre grilles (ПТ-Д5, ПТ-Д6), p = 1.2·q²/So², with
// q = Q / 3600 the air flow in m³/s and So the total free area.
core::Fixed4 louvrePressureDrop(double flow, core::Fixed4 totalFreeArea);

// Pressure drop and jet throw of the blade, mesh and perforated grilles:
// p = 0.411·(q/So)² and L02 = 13.72068·q/√So, the distance at which the
// jet's velocity has fallen to 0.2 m/s.
struct JetFigures {
    core::Fixed4 pressureDrop;
    core::Fixed4 jetThrow;
};
JetFigures jetFigures(double flow, core::Fixed4 totalFreeArea);

// The sketch that fits the section's shape: wider than tall, taller than
// wide, square.
QString sketchForShape(core::Fixed4 width, core::Fixed4 height, const QString& wide,
                       const QString& tall, const QString& square);

} // namespace talir::calculators
