#pragma once

#include "order.h"

#include <QIODevice>
#include <QLocale>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace talir::orders {

enum class Format { Csv, Json, Xlsx };

std::optional<Format> formatNamed(const QString& name);  // "csv", "json", "xlsx"
std::optional<Format> formatOfPath(const QString& path); // by the file's extension
QString orderPathFor(const QString& path);               // "order.csv" -> "order-order.csv"

struct WriterSettings {
    Format format = Format::Csv;
    QString path; // "-": standard output
    QChar separator = QLatin1Char(',');
    bool byteOrderMark = false;
    QLocale locale;
};

// Writes the openings one by one as they are calculated, then the order.
// A file is written whole or not at all: nothing is left where the writer is
// destroyed before finish() succeeds.
class OrderWriter {
public:
    virtual ~OrderWriter() = default;
    virtual bool open() = 0;
    virtual bool write(const OpeningRow& row) = 0;
    virtual bool finish(const Order& order) = 0;

    QString error() const { return error_; }
    QStringList written() const { return written_; } // the files made, for the user

protected:
    QString error_;
    QStringList written_;
};

// Where the rows go: a file that appears only when committed, or standard
// output.
class Sink {
public:
    Sink(const QString& path, QIODevice* standardOutput);
    bool open(QString& error);
    QIODevice& device();
    bool write(const QByteArray& bytes, QString& error);
    bool commit(QString& error);
    bool toStandardOutput() const { return standardOutput_ != nullptr; }
    QString path() const { return path_; }

private:
    QString path_;
    QIODevice* standardOutput_;
    QSaveFile file_;
};

// A writer for the settings; standard output is the device given.
std::unique_ptr<OrderWriter> makeWriter(const WriterSettings& settings, QIODevice* standardOutput);

} // namespace talir::orders
