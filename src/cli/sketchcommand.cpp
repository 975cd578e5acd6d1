#include "sketchcommand.h"

#include "drawings/sketchexport.h"
#include "drawings/sketchtable.h"

namespace talir::cli {

QString sketchFileProblem(const QString& fileName) {
    if (drawings::sketchFileKind(fileName))
        return {};
    return QStringLiteral("--sketch writes .pdf, .svg or .png files, not ") + fileName;
}

Output writeResultSketch(const QString& fileName, const core::Result& result) {
    const drawings::SketchDescription* sketch = drawings::findSketch(result.sketch);
    if (!sketch || !result.section)
        return {1,
                {},
                QStringLiteral("talir-calc: this outcome has no sketch; nothing written to ") +
                    fileName + QLatin1Char('\n')};
    const drawings::SketchSheet sheet{
        .sketch = sketch,
        .section = *result.section,
        .texts = {result.text(QStringLiteral("Label6")), result.text(QStringLiteral("Label7")),
                  result.text(QStringLiteral("Label8")), result.text(QStringLiteral("Label9"))}};
    QString error;
    if (!drawings::writeSketch(fileName, sheet, &error))
        return {2,
                {},
                QStringLiteral("talir-calc: cannot write ") + fileName + QStringLiteral(": ") +
                    error + QLatin1Char('\n')};
    return {};
}

} // namespace talir::cli
