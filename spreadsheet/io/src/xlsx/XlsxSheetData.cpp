#include "XlsxSheetData.h"

#include <spreadsheet/Reference.h>

#include <QDateTime>

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace spreadsheet::io {

namespace {

constexpr auto integer = xml::whole<int>;

std::optional<std::size_t> index(std::string_view text)
{
    const std::optional<int> value = integer(text);
    return value && *value >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(*value)) : std::nullopt;
}

// Cell format indices fit 32 bits: they come from a non-negative int.
std::optional<std::uint32_t> formatIndex(std::string_view text)
{
    const std::optional<std::size_t> value = index(text);
    return value ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*value)) : std::nullopt;
}

std::optional<ushort> escapedUnit(const QString& text, qsizetype at)
{
    if (at + 7 > text.size() || text[at] != u'_' || text[at + 1] != u'x' || text[at + 6] != u'_') {
        return std::nullopt;
    }
    bool ok = false;
    const ushort unit = text.mid(at + 2, 4).toUShort(&ok, 16);
    return ok ? std::optional<ushort>(unit) : std::nullopt;
}

}  // namespace

QString decodeEscapes(const QString& text)
{
    if (!text.contains(QLatin1String("_x"))) {
        return text;
    }
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<ushort> unit = escapedUnit(text, i);
        if (unit) {
            out += QChar(*unit);
            i += 6;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<double> parseNumber(std::string_view text)
{
    double value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, last, value);
    // A subnormal is read exactly, but reported as out of range.
    const bool taken = error == std::errc() || (error == std::errc::result_out_of_range && value != 0.0);
    if (!taken || end != last) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseIsoDate(std::string_view text)
{
    const QString s = xml::text(text);
    QDateTime moment = QDateTime::fromString(s, Qt::ISODateWithMs);
    if (!moment.isValid()) {
        moment = QDateTime(QDate::fromString(s, Qt::ISODate), QTime(0, 0));
    }
    if (!moment.isValid()) {
        return std::nullopt;
    }
    const qint64 days = moment.date().toJulianDay() - QDate(1899, 12, 30).toJulianDay();
    return static_cast<double>(days) + moment.time().msecsSinceStartOfDay() / 86400000.0;
}

std::optional<std::pair<int, int>> cellAddress(std::string_view a1)
{
    std::size_t i = 0;
    long long column = 0;
    while (i < a1.size() && a1[i] >= 'A' && a1[i] <= 'Z' && column <= kMaxColumns) {
        column = column * 26 + (a1[i++] - 'A' + 1);
    }
    const std::optional<int> row = integer(a1.substr(i));
    if (i == 0 || column > kMaxColumns || !row || *row < 1 || *row > kMaxRows) {
        return std::nullopt;
    }
    return std::make_pair(*row - 1, static_cast<int>(column - 1));
}

std::optional<CellRange> rangeAddress(std::string_view ref)
{
    const std::size_t colon = ref.find(':');
    const auto first = cellAddress(ref.substr(0, colon));
    const auto last = colon == std::string_view::npos ? first : cellAddress(ref.substr(colon + 1));
    if (!first || !last)
        return std::nullopt;
    return CellRange::normalized(first->first, first->second, last->first, last->second);
}

void XlsxTextCollector::open(std::string_view name)
{
    if (name == "rPh") {
        ++phoneticDepth_;
    } else if (name == "t") {
        inText_ = true;
    }
}

void XlsxTextCollector::close(std::string_view name)
{
    if (name == "rPh") {
        --phoneticDepth_;
    } else if (name == "t") {
        inText_ = false;
    }
}

void XlsxTextCollector::text(std::string_view s)
{
    if (inText_ && phoneticDepth_ == 0) {
        text_ += s;
    }
}

QString XlsxTextCollector::take()
{
    QString out = decodeEscapes(xml::text(text_));
    clear();
    return out;
}

void XlsxTextCollector::clear()
{
    text_.clear();
    inText_ = false;
    phoneticDepth_ = 0;
}

void XlsxSharedStringsVisitor::close(std::string_view name)
{
    collector.close(name);
    if (name == "si") {
        strings.push_back(collector.take());
    }
}

void XlsxCellsVisitor::open(std::string_view name, const xml::Attributes& attributes)
{
    if (name == "c") {
        openCell(attributes);
    } else if (name == "mergeCell") {
        if (const std::optional<CellRange> area = rangeAddress(xml::find(attributes, "ref")))
            merges.push_back(*area);
    } else if (name == "dimension") {
        reserveFor(xml::find(attributes, "ref"));
    } else if (!inCell_) {
        return;
    } else if (name == "f") {
        openFormula(attributes);
    } else if (name == "v") {
        inValue_ = true;
        hasValue_ = true;
    } else if (name == "is") {
        inInline_ = true;
    } else if (inInline_) {
        inline_.open(name);
    }
}

// A sheet names its used range before its cells: room for them all at
// once saves copying a growing list of cells, and touching its memory
// again, at every doubling. A file may name a range larger than its cells,
// so the room is bounded.
void XlsxCellsVisitor::reserveFor(std::string_view ref)
{
    constexpr std::int64_t kMostCells = 1 << 20;
    if (const std::optional<CellRange> area = rangeAddress(ref)) {
        const std::int64_t count = std::int64_t{area->rowCount()} * area->columnCount();
        cells.reserve(static_cast<std::size_t>(std::min(count, kMostCells)));
    }
}

void XlsxCellsVisitor::openCell(const xml::Attributes& attributes)
{
    const auto at = cellAddress(xml::find(attributes, "r"));
    inCell_ = at.has_value();
    if (!inCell_) {
        return;
    }
    cell_ = {};
    cell_.row = at->first;
    cell_.column = at->second;
    cell_.format = formatIndex(xml::find(attributes, "s"));
    type_ = xml::find(attributes, "t");
    dynamicArray_ = !xml::find(attributes, "cm").empty();
    value_.clear();
    hasValue_ = false;
    formula_.reset();
    inline_.clear();
}

void XlsxCellsVisitor::openFormula(const xml::Attributes& attributes)
{
    inFormula_ = true;
    formulaText_.clear();
    const std::string_view kind = xml::find(attributes, "t");
    formula_ = XlsxCellFormula{};
    if (kind == "shared") {
        formula_->sharedIndex = index(xml::find(attributes, "si"));
    } else if (kind == "array") {
        // A range that does not start at the formula's own cell is no
        // array Excel could have written: the formula stands alone.
        ParsedReference area;
        if (parseReference(xml::text(xml::find(attributes, "ref")), area) && !area.range.isSingleCell()
            && area.range.top == cell_.row && area.range.left == cell_.column) {
            formula_->arrayArea = area.range;
            formula_->spills = dynamicArray_;
        }
    } else if (kind == "dataTable") {
        // What-if tables have no formula the workbook could hold: the
        // cell keeps its value.
        formula_.reset();
        inFormula_ = false;
    }
}

void XlsxCellsVisitor::close(std::string_view name)
{
    if (!inCell_) {
        return;
    }
    if (name == "c") {
        closeCell();
    } else if (name == "f") {
        inFormula_ = false;
    } else if (name == "v") {
        inValue_ = false;
    } else if (name == "is") {
        inInline_ = false;
    } else if (inInline_) {
        inline_.close(name);
    }
}

void XlsxCellsVisitor::text(std::string_view s)
{
    if (inValue_) {
        value_ += s;
    } else if (inFormula_) {
        formulaText_ += s;
    } else if (inInline_) {
        inline_.text(s);
    }
}

Value XlsxCellsVisitor::value()
{
    ErrorCode code;
    if (type_ == "inlineStr") {
        return Value(inline_.take());
    }
    if (!hasValue_ || (value_.empty() && type_ != "str")) {
        return Value();
    }
    if (type_ == "s") {
        const std::optional<std::size_t> i = index(value_);
        return i && *i < strings_.size() ? Value(strings_[*i]) : Value();
    }
    if (type_ == "str") {
        return Value(decodeEscapes(xml::text(value_)));
    }
    if (type_ == "b") {
        return Value::boolean(xml::isTrue(value_));
    }
    if (type_ == "e") {
        const QString text = xml::text(value_);
        return parseErrorText(text, code) ? Value::error(code) : Value(text);
    }
    if (type_ == "d") {
        const std::optional<double> serial = parseIsoDate(value_);
        return serial ? Value(*serial) : Value(xml::text(value_));
    }
    const std::optional<double> number = parseNumber(value_);
    return number ? Value(*number) : Value(xml::text(value_));
}

void XlsxCellsVisitor::closeCell()
{
    inCell_ = false;
    cell_.value = value();
    cell_.serialDate = type_ != "d" && cell_.value.isNumber();
    if (formula_) {
        formula_->text = xml::text(formulaText_);
        cell_.formula = std::make_shared<const XlsxCellFormula>(std::move(*formula_));
    }
    const bool holdsSomething = !cell_.value.isEmpty() || cell_.formula || cell_.format;
    if (holdsSomething) {
        cells.push_back(std::move(cell_));
    }
}

}  // namespace spreadsheet::io
