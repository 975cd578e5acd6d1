#include "csvreader.h"

#include <QHash>

namespace talir::orders {

OpeningReader::OpeningReader(QIODevice& device) : device_(device) {}

void OpeningReader::fail(std::int64_t line, const QString& message) {
    if (error_.isEmpty())
        error_ = QStringLiteral("line %1: %2").arg(line).arg(message);
}

// One line of the file without its line end, or nothing at the end of the
// file or at text that is not UTF-8.
std::optional<QString> OpeningReader::readPhysicalLine() {
    if (pending_) {
        std::optional<QString> text = std::move(pending_);
        pending_.reset();
        return text;
    }
    if (!error_.isEmpty())
        return std::nullopt;
    // Empty only at the end: an empty line still holds its line end. A pipe
    // is read as it comes.
    QByteArray bytes = device_.readLine();
    if (bytes.isEmpty())
        return std::nullopt;
    ++lineNumber_;
    if (lineNumber_ == 1 && bytes.startsWith("\xEF\xBB\xBF")) {
        byteOrderMark_ = true;
        bytes.remove(0, 3);
    }
    if (bytes.endsWith('\n'))
        bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);
    QString text = decoder_.decode(bytes);
    if (decoder_.hasError()) {
        fail(lineNumber_, QStringLiteral("the text is not UTF-8"));
        return std::nullopt;
    }
    return text;
}

// One record, which may span several lines where a quoted field holds a
// line break.
std::optional<OpeningReader::Record> OpeningReader::readRecord() {
    std::optional<QString> text = readPhysicalLine();
    if (!text)
        return std::nullopt;
    Record record{.line = lineNumber_, .fields = {}, .problem = {}};
    if (!text->contains(QLatin1Char('"'))) {
        record.fields = text->split(separator_);
        return record;
    }
    QString field;
    bool quoted = false;      // inside quotes
    bool afterQuote = false;  // the field's closing quote was read
    bool fieldQuoted = false; // the field began with a quote
    for (;;) {
        const QString& line = *text;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (quoted) {
                if (c != QLatin1Char('"')) {
                    field += c;
                } else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else if (c == separator_) {
                record.fields << field;
                field.clear();
                afterQuote = fieldQuoted = false;
            } else if (c == QLatin1Char('"') && field.isEmpty() && !fieldQuoted) {
                quoted = fieldQuoted = true;
            } else {
                if (afterQuote && record.problem.isEmpty())
                    record.problem = QStringLiteral("text after the closing quote of field %1")
                                         .arg(record.fields.size() + 1);
                field += c;
            }
        }
        if (!quoted)
            break;
        // A line break inside quotes belongs to the field.
        text = readPhysicalLine();
        if (!text) {
            fail(record.line, QStringLiteral("a quoted field is not closed"));
            return std::nullopt;
        }
        field += QLatin1Char('\n');
    }
    record.fields << field;
    return record;
}

bool OpeningReader::start() {
    // The separator is the one the header row uses: a spreadsheet in a
    // Russian locale writes ";" because its decimal separator is ",".
    pending_ = readPhysicalLine();
    if (pending_ && pending_->count(QLatin1Char(';')) > pending_->count(QLatin1Char(',')))
        separator_ = QLatin1Char(';');
    const std::optional<Record> header = readRecord();
    if (!header) {
        fail(lineNumber_ + 1, QStringLiteral("no header row"));
        return false;
    }
    QHash<QString, qsizetype> columns;
    for (qsizetype i = 0; i < header->fields.size(); ++i) {
        const QString name = header->fields[i].trimmed().toLower();
        if (name.isEmpty())
            continue;
        if (columns.contains(name)) {
            fail(header->line, QStringLiteral("the column \"%1\" is named twice in the header")
                                   .arg(header->fields[i].trimmed()));
            return false;
        }
        columns.insert(name, i);
    }
    for (const char* required : {"mark", "window", "A", "B", "Q"}) {
        if (!columns.contains(QString::fromLatin1(required).toLower())) {
            fail(header->line,
                 QStringLiteral("the header has no column \"%1\" (it needs mark, window, A, B, "
                                "Q and may have sub)")
                     .arg(QLatin1String(required)));
            return false;
        }
    }
    columns_ = header->fields.size();
    mark_ = columns.value(QStringLiteral("mark"));
    window_ = columns.value(QStringLiteral("window"));
    a_ = columns.value(QStringLiteral("a"));
    b_ = columns.value(QStringLiteral("b"));
    q_ = columns.value(QStringLiteral("q"));
    sub_ = columns.value(QStringLiteral("sub"), -1);
    return true;
}

std::optional<OpeningRow> OpeningReader::next(const QLocale& locale) {
    const std::optional<Record> record = readRecord();
    if (!record)
        return std::nullopt;
    const QStringList& fields = record->fields;
    const auto field = [&](qsizetype column) {
        return column >= 0 && column < fields.size() ? fields[column] : QString();
    };
    const Opening opening{.line = record->line,
                          .mark = field(mark_),
                          .window = field(window_),
                          .a = field(a_),
                          .b = field(b_),
                          .q = field(q_),
                          .sub = field(sub_)};
    if (fields.size() == 1 && fields[0].isEmpty() && columns_ > 1)
        return rejected(opening, QStringLiteral("an empty line"));
    if (fields.size() != columns_)
        return rejected(
            opening,
            QStringLiteral("%1 fields where the header has %2").arg(fields.size()).arg(columns_));
    if (!record->problem.isEmpty())
        return rejected(opening, record->problem);
    return calculate(opening, locale);
}

} // namespace talir::orders
