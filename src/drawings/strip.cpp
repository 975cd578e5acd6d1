#include "strip.h"

#include "calculators/ptld.h"
#include "draft.h"
#include "faces.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <iterator>

namespace talir::drawings {
namespace {

// The plan across the strip, in design units (one unit is one pixel in the
// window); along the strip the millimetres are scaled to the room between
// the walls.
struct Design {
    static constexpr double wallInset = 2; // from the drawing's edge
    static constexpr double wallWidth = 34;
    static constexpr double wallOvershoot = 14; // wall above and below the strip
    static constexpr double bandTop = 46;
    static constexpr double bandHeight = 44;
    static constexpr double sectionDimensionY = 22;
    static constexpr double overallDimensionY = 128;
    static constexpr double textHeight = 17; // the box a width stands in
    static constexpr double overallTextWidth = 80;
    static constexpr double overallTextHeight = 20;
    static constexpr double fieldInset = 4; // frame of a section around its blades
    static constexpr double bladePitch = 4;
    static constexpr double breakOvershoot = 8; // break line beyond the strip
    static constexpr double breakAmplitude = 3;
    static constexpr int breakWaves = 2;
    static constexpr double textPixels = 11;
};

// A broken run keeps this many middle widths at each end and leaves this
// much room between the break lines.
constexpr double kKeptEachSide = 2.25;
constexpr double kBreakRoom = 0.5;

// The typical strip the plan shows before a calculation.
const calculators::Input kTypicalStrip{QStringLiteral("4029"), QStringLiteral("305"),
                                       QStringLiteral("0"), false, QLocale::c()};

// Maps the plan's millimetres and design units into the target.
struct Frame {
    QTransform toTarget; // design units to target
    double left = 0;     // x of the opening's left face, design units
    double right = 0;
    double unitsPerMm = 0;

    double x(double mm) const { return left + mm * unitsPerMm; }
};

Frame frameFor(const StripPlan& plan, const QRectF& target) {
    Frame frame;
    const double scale = target.height() > 0 ? target.height() / kStripDesignHeight : 1;
    frame.toTarget = QTransform::fromTranslate(target.left(), target.top()).scale(scale, scale);
    const double width = target.width() / scale;
    frame.left = Design::wallInset + Design::wallWidth;
    frame.right = width - Design::wallInset - Design::wallWidth;
    frame.unitsPerMm =
        plan.drawnOpening > 0 ? std::max(0.0, frame.right - frame.left) / plan.drawnOpening : 0;
    return frame;
}

QRectF band(const Frame& frame, const StripSpan& span) {
    return {frame.x(span.from), Design::bandTop, span.length() * frame.unitsPerMm,
            Design::bandHeight};
}

Dimension sectionDimension(const Frame& frame, const StripSpan& span) {
    return {QPointF(frame.x(span.from), Design::bandTop),
            QPointF(frame.x(span.to), Design::bandTop), Qt::Horizontal, Design::sectionDimensionY};
}

Dimension overallDimension(const Frame& frame) {
    const double wallFoot = Design::bandTop + Design::bandHeight + Design::wallOvershoot;
    return {QPointF(frame.left, wallFoot), QPointF(frame.right, wallFoot), Qt::Horizontal,
            Design::overallDimensionY};
}

QRectF textAbove(const Dimension& dimension) {
    const QLineF line = dimension.line();
    return {line.x1(), 0, line.dx(), Design::textHeight};
}

QRectF textOn(const Dimension& dimension) {
    const QPointF middle = dimension.middle();
    return {middle.x() - Design::overallTextWidth / 2, middle.y() - Design::overallTextHeight / 2,
            Design::overallTextWidth, Design::overallTextHeight};
}

// The two break lines, top to bottom, in design units.
QList<QPainterPath> breakLinesOf(const Frame& frame, const StripSpan& cut) {
    QList<QPainterPath> lines;
    for (const double mm : {cut.from, cut.to}) {
        const double x = frame.x(mm);
        lines.append(breakLine(
            QPolygonF({QPointF(x, Design::bandTop - Design::breakOvershoot),
                       QPointF(x, Design::bandTop + Design::bandHeight + Design::breakOvershoot)}),
            Design::breakAmplitude, Design::breakWaves));
    }
    return lines;
}

// Everything but the part a break leaves out: the area between the two
// break lines is cut from `all`.
QPainterPath outsideBreak(const QRectF& all, const QList<QPainterPath>& lines) {
    QPolygonF between = lines[0].toSubpathPolygons().value(0);
    const QPolygonF second = lines[1].toSubpathPolygons().value(0);
    std::copy(second.rbegin(), second.rend(), std::back_inserter(between));
    QPainterPath gap;
    gap.addPolygon(between);
    gap.closeSubpath();
    QPainterPath outside;
    outside.addRect(all);
    return outside.subtracted(gap);
}

void wall(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(draftPen(LineKind::Contour));
    p.drawRect(r);
    p.setClipRect(r, Qt::IntersectClip);
    p.setPen(draftPen(LineKind::Thin));
    for (double x = r.left() - r.height(); x < r.right(); x += 7)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    p.restore();
}

// One section seen from the front: frame, narrow blades and its supports.
void section(QPainter& p, const QRectF& r, int supports) {
    p.save();
    p.setPen(draftPen(LineKind::Contour));
    p.drawRect(r);
    const QRectF field = r.adjusted(Design::fieldInset, Design::fieldInset, -Design::fieldInset,
                                    -Design::fieldInset);
    if (field.width() > 0) {
        drawNarrowBlades(p, field, Design::bladePitch);
        p.setPen(draftPen(LineKind::Contour));
        for (int i = 1; i <= supports; ++i) {
            const double x = field.left() + field.width() * i / (supports + 1);
            p.drawLine(QPointF(x, field.top()), QPointF(x, field.bottom()));
        }
    }
    p.restore();
}

void paintPlan(QPainter& p, const StripPlan& plan, const QRectF& target) {
    const Frame frame = frameFor(plan, target);
    p.save();
    p.setTransform(frame.toTarget, true);
    const double width = frame.right + Design::wallWidth + Design::wallInset;
    const double wallTop = Design::bandTop - Design::wallOvershoot;
    const double wallHeight = Design::bandHeight + 2 * Design::wallOvershoot;
    wall(p, QRectF(Design::wallInset, wallTop, Design::wallWidth, wallHeight));
    wall(p, QRectF(frame.right, wallTop, Design::wallWidth, wallHeight));

    QList<QPainterPath> breaks;
    p.save();
    if (plan.cut) {
        breaks = breakLinesOf(frame, *plan.cut);
        p.setClipPath(outsideBreak(QRectF(0, 0, width, kStripDesignHeight), breaks),
                      Qt::IntersectClip);
    }
    for (const StripSection& s : plan.sections)
        section(p, band(frame, s.span), s.supports);
    p.restore();
    p.setPen(draftPen(LineKind::Thin));
    for (const QPainterPath& line : breaks)
        p.drawPath(line);

    drawDimension(p, overallDimension(frame));
    if (plan.sectionDimensions)
        for (const StripSpan& span : {plan.leftEnd, plan.middleRun, plan.rightEnd})
            drawDimension(p, sectionDimension(frame, span));
    p.restore();
}

void paintText(QPainter& p, const QRectF& box, const QString& text, bool onLine) {
    if (text.isEmpty())
        return;
    const QFontMetricsF metrics(p.font());
    if (onLine) {
        // The text interrupts the dimension line it stands on.
        const double room = metrics.horizontalAdvance(text) + metrics.averageCharWidth();
        const QRectF clear(box.center().x() - room / 2, box.center().y() - metrics.height() / 2,
                           room, metrics.height());
        p.fillRect(clear, Qt::white);
        p.drawText(box, Qt::AlignCenter, text);
    } else {
        p.drawText(box, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextDontClip, text);
    }
}

} // namespace

std::int64_t StripPlan::wholeMiddles() const {
    return std::count_if(sections.begin(), sections.end(), [this](const StripSection& s) {
        return s.part == StripPart::Middle &&
               (!cut || s.span.to <= cut->from || s.span.from >= cut->to);
    });
}

StripPlan stripPlan(const core::StripGeometry& strip) {
    StripPlan plan;
    plan.opening = strip.length;
    plan.middles = std::max<std::int64_t>(0, strip.middles);
    plan.sectionDimensions = true;
    const double middle = strip.middleWidth;
    const double sections = strip.leftEnd + strip.rightEnd + middle * double(plan.middles);
    // The sections fill the opening but for a few millimetres at each end.
    const double start = std::max(0.0, (strip.length - sections) / 2);
    const bool broken = plan.middles > kMostMiddlesDrawn;
    const double drawnRun =
        broken ? middle * (2 * kKeptEachSide + kBreakRoom) : middle * double(plan.middles);
    plan.drawnOpening = strip.length - (middle * double(plan.middles) - drawnRun);

    plan.leftEnd = {start, start + strip.leftEnd};
    plan.middleRun = {plan.leftEnd.to, plan.leftEnd.to + drawnRun};
    plan.rightEnd = {plan.middleRun.to, plan.middleRun.to + strip.rightEnd};
    plan.sections.push_back({StripPart::LeftEnd, plan.leftEnd, strip.endSupports});
    const auto middleAt = [&](double from) {
        plan.sections.push_back({StripPart::Middle, {from, from + middle}, strip.middleSupports});
    };
    if (broken) {
        // Whole sections each side and, across the break, one section whose
        // middle the break leaves out.
        const int drawn = int(2 * kKeptEachSide + kBreakRoom);
        for (int i = 0; i < drawn; ++i)
            middleAt(plan.middleRun.from + middle * i);
        plan.cut = StripSpan{plan.middleRun.from + middle * kKeptEachSide,
                             plan.middleRun.to - middle * kKeptEachSide};
    } else {
        for (std::int64_t i = 0; i < plan.middles; ++i)
            middleAt(plan.middleRun.from + middle * double(i));
    }
    plan.sections.push_back({StripPart::RightEnd, plan.rightEnd, strip.endSupports});
    return plan;
}

StripPlan stripPlanBeforeCalculation() {
    const core::Result typical = calculators::calculatePtld(kTypicalStrip);
    StripPlan plan = typical.strip ? stripPlan(*typical.strip) : StripPlan{};
    plan.sectionDimensions = false;
    return plan;
}

StripLayout layOutStrip(const StripPlan& plan, const QRectF& target) {
    const Frame frame = frameFor(plan, target);
    const QTransform& t = frame.toTarget;
    StripLayout layout;
    layout.band = t.mapRect(band(frame, {0, plan.drawnOpening}));
    for (const StripSection& s : plan.sections)
        layout.sections.append(t.mapRect(band(frame, s.span)));
    if (plan.cut)
        for (const QPainterPath& line : breakLinesOf(frame, *plan.cut))
            layout.breakLines.append(t.map(line));
    const Dimension overall = overallDimension(frame);
    layout.overallLine = t.map(overall.line());
    layout.overallText = t.mapRect(textOn(overall));
    const Dimension left = sectionDimension(frame, plan.leftEnd);
    const Dimension run = sectionDimension(frame, plan.middleRun);
    const Dimension right = sectionDimension(frame, plan.rightEnd);
    layout.leftEndLine = t.map(left.line());
    layout.middleLine = t.map(run.line());
    layout.rightEndLine = t.map(right.line());
    layout.leftEndText = t.mapRect(textAbove(left));
    layout.middleText = t.mapRect(textAbove(run));
    layout.rightEndText = t.mapRect(textAbove(right));
    return layout;
}

StripTexts StripTexts::of(const core::Result& result) {
    return {result.text(QStringLiteral("txtE1")), result.text(QStringLiteral("txtE")),
            result.text(QStringLiteral("txtE2")), result.text(QStringLiteral("txtP"))};
}

void paintStrip(QPainter& painter, const StripPlan& plan, const QRectF& target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(target, Qt::white);
    paintPlan(painter, plan, target);
    painter.restore();
}

void paintStrip(QPainter& painter, const StripPlan& plan, const QRectF& target,
                const StripTexts& texts) {
    paintStrip(painter, plan, target);
    const StripLayout layout = layOutStrip(plan, target);
    painter.save();
    QFont font(QStringLiteral("Helvetica"));
    font.setStyleHint(QFont::Helvetica);
    font.setPixelSize(
        std::max(1, qRound(Design::textPixels * target.height() / kStripDesignHeight)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    if (plan.sectionDimensions) {
        paintText(painter, layout.leftEndText, texts.leftEnd, false);
        paintText(painter, layout.middleText, texts.middles, false);
        paintText(painter, layout.rightEndText, texts.rightEnd, false);
    }
    paintText(painter, layout.overallText, texts.overall, true);
    painter.restore();
}

} // namespace talir::drawings
