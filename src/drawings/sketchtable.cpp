#include "sketchtable.h"

#include "calculators/pitches.h"

#include <algorithm>

namespace talir::drawings {

namespace {

// The note of the types whose sketches show fixing holes.
constexpr char16_t mountingHolesNote[] =
    u"Количество и расположение монтажных отверстий приведены для ознакомления и может не "
    u"совпадать с количеством и расположением отверстий на изделии конкретного размера";

// A grille type's sketches: caption, note, return window, face, and the
// proportions of the drawn section in millimetres.
struct SketchType {
    const char16_t* caption;
    const char16_t* note;
    const char16_t* returnTo;
    FaceKind face;
    bool fixingHoles;
    double flange;
    double flangeThickness;
    double depth;
};

constexpr SketchType ptd5{u"Эскиз решетки ТАЛИР ПТ-Д5",
                          mountingHolesNote,
                          u"PTD5",
                          FaceKind::WideBlades,
                          true,
                          40,
                          12,
                          110};
constexpr SketchType ptd6{u"Эскиз решетки ТАЛИР ПТ-Д6",
                          mountingHolesNote,
                          u"PTD6",
                          FaceKind::WideBlades,
                          true,
                          50,
                          12,
                          130};
constexpr SketchType ptl{u"Эскиз решетки ТАЛИР ПТ-Л",
                         mountingHolesNote,
                         u"PTL",
                         FaceKind::NarrowBlades,
                         true,
                         35,
                         10,
                         60};
constexpr SketchType ptlw{u"Эскиз решетки ТАЛИР ПТ-ЛШ",
                          u"Изображение решетки ТАЛИР ПТ-ЛШ приведено СХЕМАТИЧНО.",
                          u"PTLW",
                          FaceKind::CrossedBlades,
                          false,
                          35,
                          10,
                          60};
constexpr SketchType ptm{u"Эскиз решетки ТАЛИР ПТ-М",
                         u"Изображение решетки ТАЛИР ПТ-М приведено СХЕМАТИЧНО.",
                         u"PTM",
                         FaceKind::NarrowBlades,
                         false,
                         35,
                         10,
                         70};
constexpr SketchType ptmw{u"Эскиз решетки ТАЛИР ПТ-МШ",
                          u"Изображение решетки ТАЛИР ПТ-МШ приведено СХЕМАТИЧНО.",
                          u"PTMW",
                          FaceKind::CrossedBlades,
                          false,
                          35,
                          10,
                          70};
constexpr SketchType ptj{u"Эскиз решетки ТАЛИР ПТ-Ж",
                         u"Изображение решетки ТАЛИР ПТ-Ж приведено СХЕМАТИЧНО.",
                         u"PTJ",
                         FaceKind::Perforation,
                         false,
                         35,
                         10,
                         45};
constexpr SketchType ptf{u"Эскиз решетки ТАЛИР ПТ-Ф",
                         u"Изображение решетки ТАЛИР ПТ-Ф  приведено СХЕМАТИЧНО.",
                         u"PTF",
                         FaceKind::Mesh,
                         false,
                         35,
                         10,
                         45};
// The frames of the sketch windows: most are 840 × 603 and open centred;
// the ПТ-Д6 sketches are larger.
constexpr QSize standardClient(840, 603);
constexpr QSize largeClient(804, 672);

struct SketchRow {
    const char16_t* name;
    const SketchType* type;
    SectionShape shape;
    Divider divider = Divider::None;
    QSize client = standardClient;
    bool centred = true;
    const char16_t* labelPrefix = u"razm";
};

// Proportions of a representative section of each shape, mm.
QSizeF representativeSize(SectionShape shape) {
    switch (shape) {
    case SectionShape::Wide:
        return {1250, 650};
    case SectionShape::Tall:
        return {650, 1250};
    case SectionShape::Square:
        return {900, 900};
    }
    return {900, 900};
}

SketchDescription describe(const SketchRow& row) {
    const SketchType& type = *row.type;
    SketchDescription sketch;
    sketch.name = QString::fromUtf16(row.name);
    sketch.caption = QString::fromUtf16(type.caption);
    // The caption ends with the type: "... ТАЛИР ПТ-Д5".
    sketch.grille = sketch.caption.section(QLatin1Char(' '), -1);
    sketch.note = QString::fromUtf16(type.note);
    sketch.returnTo = QString::fromUtf16(type.returnTo);
    sketch.shape = row.shape;
    sketch.subject.model = {representativeSize(row.shape), type.flange, type.flangeThickness,
                            type.depth};
    sketch.subject.face = {type.face, row.divider,
                           calculators::facePitch(sketch.returnTo).value_or(0)};
    sketch.subject.fixingHoles = type.fixingHoles;
    sketch.client = row.client;
    sketch.centred = row.centred;
    sketch.labelPrefix = QString::fromUtf16(row.labelPrefix);
    return sketch;
}

using Shape = SectionShape;

const SketchRow rows[] = {
    {u"EskizD5", &ptd5, Shape::Wide},
    {u"EskizD5_1", &ptd5, Shape::Tall},
    {u"EskizD5_2", &ptd5, Shape::Square},
    {u"EskizD6", &ptd6, Shape::Wide, Divider::None, largeClient},
    {u"EskizD6_1", &ptd6, Shape::Tall, Divider::None, largeClient, false, u"Razm"},
    {u"EskizL", &ptl, Shape::Wide, Divider::Vertical},
    {u"EskizL1", &ptl, Shape::Tall, Divider::Horizontal},
    {u"EskizL2", &ptl, Shape::Square, Divider::Vertical},
    {u"EskizLW", &ptlw, Shape::Wide, Divider::Vertical},
    {u"EskizLW_1", &ptlw, Shape::Tall, Divider::Horizontal},
    {u"EskizLW_2", &ptlw, Shape::Square, Divider::None, standardClient, false},
    {u"EskizM", &ptm, Shape::Wide, Divider::Vertical},
    {u"EskizM_1", &ptm, Shape::Tall, Divider::Horizontal},
    {u"EskizMW", &ptmw, Shape::Wide, Divider::Vertical},
    {u"EskizMW_1", &ptmw, Shape::Tall, Divider::Horizontal},
    {u"EskizMW_2", &ptmw, Shape::Square},
    {u"EskizJ", &ptj, Shape::Wide},
    {u"EskizJ_1", &ptj, Shape::Tall},
    {u"EskizJ_2", &ptj, Shape::Square},
    {u"EskizF", &ptf, Shape::Wide},
    {u"EskizF_1", &ptf, Shape::Tall},
    {u"EskizF_2", &ptf, Shape::Square},
};

} // namespace

SketchSubject sectionSubject(const SketchDescription& sketch,
                             const core::SectionGeometry& section) {
    SketchSubject subject = sketch.subject;
    // A section always has some size; a degenerate one keeps the
    // representative proportions rather than vanish.
    if (section.overallWidth > 0 && section.overallHeight > 0) {
        subject.model.overall = {section.overallWidth, section.overallHeight};
        subject.model.part = {std::clamp(section.partWidth, 0.0, section.overallWidth),
                              std::clamp(section.partHeight, 0.0, section.overallHeight)};
    }
    return subject;
}

QString sketchTitle(const SketchDescription& sketch, const core::SectionGeometry& section) {
    return QStringLiteral("%1 %2x%3")
        .arg(sketch.grille, QString::number(section.width, 'g', 10),
             QString::number(section.height, 'g', 10));
}

const QList<SketchDescription>& sketchTable() {
    static const QList<SketchDescription> table = [] {
        QList<SketchDescription> list;
        for (const SketchRow& row : rows)
            list.append(describe(row));
        return list;
    }();
    return table;
}

const SketchDescription* findSketch(const QString& name) {
    for (const SketchDescription& sketch : sketchTable())
        if (sketch.name == name)
            return &sketch;
    return nullptr;
}

} // namespace talir::drawings
