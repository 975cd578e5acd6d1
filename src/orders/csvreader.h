#pragma once

#include "opening.h"

#include <QChar>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace talir::orders {

// Reads a list of openings from CSV text as RFC 4180 writes it: fields
// separated by "," or ";" (whichever the header row uses), quoted fields
// that may hold the separator, doubled quotes and line breaks, CRLF or LF
// line ends, UTF-8 with or without a byte-order mark. The header names the
// columns mark, window, A, B, Q and optionally sub, in any order (other
// columns are skipped). One opening is read at a time.
class OpeningReader {
public:
    explicit OpeningReader(QIODevice& device);

    // Reads the header; false with error() set when the text cannot be a
    // list of openings at all.
    bool start();
    // The next line as an opening or as a rejected line; nothing at the end
    // of the text or when the text cannot be read further (error() says why).
    std::optional<OpeningRow> next(const QLocale& locale);

    QString error() const { return error_; } // "line 3: ..."
    QChar separator() const { return separator_; }
    bool byteOrderMark() const { return byteOrderMark_; }

private:
    struct Record {
        std::int64_t line = 0;
        QStringList fields;
        QString problem; // a field the rules do not allow
    };

    std::optional<QString> readPhysicalLine();
    std::optional<Record> readRecord();
    void fail(std::int64_t line, const QString& message);

    QIODevice& device_;
    std::optional<QString> pending_; // the header line, read to find the separator
    QStringDecoder decoder_{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom};
    std::int64_t lineNumber_ = 0;
    QChar separator_ = QLatin1Char(',');
    bool byteOrderMark_ = false;
    QString error_;
    qsizetype columns_ = 0;
    qsizetype mark_ = -1, window_ = -1, a_ = -1, b_ = -1, q_ = -1, sub_ = -1;
};

} // namespace talir::orders
