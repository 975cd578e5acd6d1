#include "writer.h"

#include "csvwriter.h"
#include "jsonwriter.h"
#include "xlsxwriter.h"

#include <QFileInfo>

namespace talir::orders {

std::optional<Format> formatNamed(const QString& name) {
    const QString lower = name.toLower();
    if (lower == QLatin1String("csv"))
        return Format::Csv;
    if (lower == QLatin1String("json"))
        return Format::Json;
    if (lower == QLatin1String("xlsx"))
        return Format::Xlsx;
    return std::nullopt;
}

std::optional<Format> formatOfPath(const QString& path) {
    return formatNamed(QFileInfo(path).suffix());
}

QString orderPathFor(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString orderName = dot > 0 ? name.left(dot) + QStringLiteral("-order") + name.mid(dot)
                                      : name + QStringLiteral("-order");
    return path.left(path.size() - name.size()) + orderName;
}

Sink::Sink(const QString& path, QIODevice* standardOutput)
    : path_(path), standardOutput_(path == QLatin1String("-") ? standardOutput : nullptr),
      file_(path) {}

bool Sink::open(QString& error) {
    if (standardOutput_)
        return true;
    if (!file_.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot write %1: %2").arg(path_, file_.errorString());
        return false;
    }
    return true;
}

QIODevice& Sink::device() {
    return standardOutput_ ? *standardOutput_ : static_cast<QIODevice&>(file_);
}

bool Sink::write(const QByteArray& bytes, QString& error) {
    if (device().write(bytes) == bytes.size())
        return true;
    error = QStringLiteral("cannot write %1: %2").arg(path_, device().errorString());
    return false;
}

bool Sink::commit(QString& error) {
    if (standardOutput_) {
        if (auto* file = qobject_cast<QFileDevice*>(standardOutput_))
            file->flush();
        return true;
    }
    if (!file_.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(path_, file_.errorString());
        return false;
    }
    return true;
}

std::unique_ptr<OrderWriter> makeWriter(const WriterSettings& settings, QIODevice* standardOutput) {
    switch (settings.format) {
    case Format::Csv:
        return std::make_unique<CsvWriter>(settings, standardOutput);
    case Format::Json:
        return std::make_unique<JsonWriter>(settings, standardOutput);
    case Format::Xlsx:
        return std::make_unique<XlsxWriter>(settings);
    }
    return nullptr;
}

} // namespace talir::orders
