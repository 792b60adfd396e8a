#include <spreadsheet/Sheet.h>

#include "SheetEditing.h"

#include <spreadsheet/History.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <algorithm>
#include <optional>

namespace spreadsheet {

namespace {

using Rows = std::vector<std::vector<QString>>;

bool needsQuotes(const QString& field)
{
    return field.contains(u'\t') || field.contains(u'\n') || field.contains(u'\r') || field.contains(u'"');
}

// Other programs read a field in double quotes as one cell even when it
// holds tabs or line breaks; quotes inside are doubled.
QString quoted(QString field)
{
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Reads a quoted field whose opening quote is at `open`; gives the position
// after the closing quote, or nothing when the quote is never closed.
std::optional<qsizetype> readQuoted(const QString& text, qsizetype open, QString& field)
{
    QString content;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text[i] != u'"') {
            content += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == u'"') {
            content += u'"';
            ++i;
        } else {
            field += content;
            return i + 1;
        }
    }
    return std::nullopt;
}

// Splits tab-separated text into rows of fields. A line break ends a row,
// except inside quotes; a final line break adds no empty row. A quote that
// is never closed is taken as an ordinary character.
class TextReader {
public:
    explicit TextReader(const QString& text) : text_(text) {}

    Rows read()
    {
        qsizetype i = 0;
        while (i < text_.size()) {
            i = step(i);
        }
        if (!atLineStart_) {
            endRow();
        }
        return std::move(rows_);
    }

private:
    qsizetype step(qsizetype i)
    {
        const QChar c = text_[i];
        if (c == u'"' && atFieldStart_) {
            if (const auto next = readQuoted(text_, i, field_)) {
                atFieldStart_ = atLineStart_ = false;
                return *next;
            }
        }
        if (c == u'\t') {
            endField();
            return i + 1;
        }
        if (isLineEnd(c)) {
            endRow();
            return c == u'\r' && i + 1 < text_.size() && text_[i + 1] == u'\n' ? i + 2 : i + 1;
        }
        field_ += c;
        atFieldStart_ = atLineStart_ = false;
        return i + 1;
    }

    void endField()
    {
        fields_.push_back(std::move(field_));
        field_.clear();
        atFieldStart_ = true;
        atLineStart_ = false;
    }

    void endRow()
    {
        endField();
        rows_.push_back(std::move(fields_));
        fields_.clear();
        atLineStart_ = true;
    }

    const QString& text_;
    Rows rows_;
    std::vector<QString> fields_;
    QString field_;
    bool atFieldStart_ = true;
    bool atLineStart_ = true;
};

// The area the rows cover from the given cell; it must lie on the sheet.
// Nothing to paste gives an empty (invalid) area.
CellRange pasteArea(int row, int column, const Rows& rows)
{
    std::size_t width = 0;
    for (const auto& fields : rows) {
        width = std::max(width, fields.size());
    }
    const auto height = static_cast<long long>(rows.size());
    const bool fits = row >= 0 && column >= 0 && row + height <= kMaxRows
                      && column + static_cast<long long>(width) <= kMaxColumns;
    if (!fits) {
        throw SpreadsheetError(QStringLiteral("A colagem ultrapassa os limites da planilha."));
    }
    return {column, row, column + static_cast<int>(width) - 1, row + static_cast<int>(height) - 1};
}

}  // namespace

QString Sheet::toTabSeparatedText(const CellRange& area) const
{
    checkArea(area);
    const std::optional<CellRange> used = usedPart(*this, area);
    QString text;
    if (!used) {
        return text;
    }
    for (int row = used->top; row <= used->bottom; ++row) {
        for (int column = used->left; column <= used->right; ++column) {
            if (column > used->left) {
                text += u'\t';
            }
            const QString field = displayText(row, column);
            text += needsQuotes(field) ? quoted(field) : field;
        }
        text += u'\n';
    }
    return text;
}

CellRange Sheet::pasteTabSeparatedText(int row, int column, const QString& text)
{
    const Rows rows = TextReader(text).read();
    const CellRange area = pasteArea(row, column, rows);
    if (rows.empty()) {
        return area;
    }
    UpdateBatch batch(workbook_);
    HistoryScope scope(workbook_.history(), QStringLiteral("Colar"));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            setText(row + static_cast<int>(r), column + static_cast<int>(c), rows[r][c], TextMode::Recognize);
        }
    }
    return area;
}

}  // namespace spreadsheet
