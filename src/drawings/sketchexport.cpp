#include "sketchexport.h"

#include <QBuffer>
#include <QDate>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace talir::drawings {

namespace {

// The on-screen sheet: one logical unit is a pixel at 96 dpi.
constexpr QSizeF screenSheet(824, 494);
constexpr double screenDpi = 96;
constexpr double pngDpi = 300;
constexpr QSizeF textRoom(48, 16);
constexpr int textPixels = 13;

// The page: A4 landscape in units of 0.25 mm, a drawing area above the
// note and the title block.
constexpr double unitMm = 0.25;
constexpr QSizeF page(297 / unitMm, 210 / unitMm);
constexpr double pageMargin = 10 / unitMm;
constexpr double footer = 30 / unitMm;
constexpr int standardScales[] = {1, 2, 5, 10, 20, 25, 50, 100, 200};

QFont sheetFont(double pixels) {
    QFont font(QStringLiteral("Helvetica"));
    font.setPixelSize(int(pixels));
    return font;
}

SketchSubject subjectOf(const SketchSheet& sheet) {
    return sectionSubject(*sheet.sketch, sheet.section);
}

void paintOnSheet(QPainter& painter, const SketchSheet& sheet, const QSizeF& size) {
    const SketchLayout layout = layOutSketch(subjectOf(sheet), size, textRoom);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSketch(painter, layout);
    painter.setFont(sheetFont(textPixels));
    paintSketchTexts(painter, layout, sheet.texts);
}

QSizeF pageTextRoom() {
    return textRoom * (1.0 / (unitMm * screenDpi / 25.4)) * 0.9;
}

void paintPage(QPainter& painter, const SketchSheet& sheet) {
    const int scale = standardScale(sheet);
    const QSizeF area(page.width() - 2 * pageMargin, page.height() - 2 * pageMargin - footer);
    const QSizeF room = pageTextRoom();
    const SketchLayout layout = layOutSketch(subjectOf(sheet), area, room, 1.0 / (scale * unitMm));
    painter.save();
    painter.translate(pageMargin, pageMargin);
    paintSketch(painter, layout);
    painter.setFont(sheetFont(room.height() * 0.8));
    paintSketchTexts(painter, layout, sheet.texts);
    painter.restore();

    // The note over the title block, the title block in the lower right.
    const QRectF foot(pageMargin, page.height() - pageMargin - footer, area.width(), footer);
    painter.setFont(sheetFont(3.2 / unitMm));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(foot.left(), foot.top(), foot.width() * 0.55, foot.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, sheet.sketch->note);
    const QRectF block(foot.right() - 110 / unitMm, foot.top() + 2 / unitMm, 110 / unitMm,
                       footer - 2 / unitMm);
    painter.setPen(draftPen(LineKind::Contour));
    painter.drawRect(block);
    const double row = block.height() / 3;
    for (int i = 1; i < 3; ++i)
        painter.drawLine(QPointF(block.left(), block.top() + row * i),
                         QPointF(block.right(), block.top() + row * i));
    painter.setPen(Qt::black);
    const QStringList lines = {QStringLiteral("ТАЛИР ") + sketchTitle(*sheet.sketch, sheet.section),
                               QStringLiteral("Масштаб 1:%1").arg(scale),
                               QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))};
    for (int i = 0; i < 3; ++i)
        painter.drawText(QRectF(block.left() + 2 / unitMm, block.top() + row * i,
                                block.width() - 4 / unitMm, row),
                         Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
}

} // namespace

std::optional<SketchFileKind> sketchFileKind(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"pdf")
        return SketchFileKind::Pdf;
    if (suffix == u"svg")
        return SketchFileKind::Svg;
    if (suffix == u"png")
        return SketchFileKind::Png;
    return std::nullopt;
}

int standardScale(const SketchSheet& sheet) {
    const QSizeF area(page.width() - 2 * pageMargin, page.height() - 2 * pageMargin - footer);
    for (const int scale : standardScales) {
        const QSizeF needed =
            sketchExtent(subjectOf(sheet), pageTextRoom(), 1.0 / (scale * unitMm));
        if (needed.width() <= area.width() && needed.height() <= area.height())
            return scale;
    }
    return standardScales[std::size(standardScales) - 1];
}

QByteArray renderSketch(const SketchSheet& sheet, SketchFileKind kind) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (kind) {
    case SketchFileKind::Pdf: {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(sketchTitle(*sheet.sketch, sheet.section));
        QPainter painter(&writer);
        painter.scale(writer.resolution() * unitMm / 25.4, writer.resolution() * unitMm / 25.4);
        paintPage(painter, sheet);
        break;
    }
    case SketchFileKind::Svg: {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(screenSheet.toSize());
        generator.setViewBox(QRectF(QPointF(0, 0), screenSheet));
        generator.setResolution(int(screenDpi));
        generator.setTitle(sketchTitle(*sheet.sketch, sheet.section));
        QPainter painter(&generator);
        paintOnSheet(painter, sheet, screenSheet);
        break;
    }
    case SketchFileKind::Png: {
        const double factor = pngDpi / screenDpi;
        QImage image((screenSheet * factor).toSize(), QImage::Format_RGB32);
        image.setDotsPerMeterX(int(pngDpi / 0.0254 + 0.5));
        image.setDotsPerMeterY(int(pngDpi / 0.0254 + 0.5));
        {
            QPainter painter(&image);
            painter.scale(factor, factor);
            paintOnSheet(painter, sheet, screenSheet);
        }
        image.save(&buffer, "PNG");
        break;
    }
    }
    return bytes;
}

bool writeSketch(const QString& fileName, const SketchSheet& sheet, QString* error) {
    const auto kind = sketchFileKind(fileName);
    if (!kind) {
        if (error)
            *error =
                QStringLiteral("%1: unknown kind of file (use .pdf, .svg or .png)").arg(fileName);
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(renderSketch(sheet, *kind)) < 0 ||
        !file.commit()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

} // namespace talir::drawings
