#include "XlsSheetFormulas.h"

#include <spreadsheet/io/ImportSink.h>

namespace spreadsheet::io::xls {

namespace {

constexpr std::uint8_t kExpToken = 0x01;
constexpr std::size_t kExpSize = 5;

}  // namespace

void XlsSheetFormulas::addFormula(int row, int column, std::span<const std::uint8_t> tokens, Value cached,
                                  bool awaitsString)
{
    flush();
    Pending cell{row, column, std::move(cached), std::nullopt, std::nullopt, awaitsString};
    if (tokens.size() >= kExpSize && tokens[0] == kExpToken) {
        cell.anchor = CellAddress{tokens[1] | (tokens[2] << 8), tokens[3] | (tokens[4] << 8)};
    } else {
        cell.text = decoder_.decode(tokens, {row, column}, BiffFormulaDecoder::Context::Cell);
    }
    held_ = std::move(cell);
}

void XlsSheetFormulas::setStringResult(const QString& text)
{
    if (held_ && held_->awaitsString) {
        held_->cached = Value(text);
        held_->awaitsString = false;
    }
}

void XlsSheetFormulas::addShared(const CellRange& area, std::span<const std::uint8_t> tokens)
{
    definitions_[{area.top, area.left}] = {area, {tokens.begin(), tokens.end()}, true};
}

void XlsSheetFormulas::addArray(const CellRange& area, std::span<const std::uint8_t> tokens)
{
    definitions_[{area.top, area.left}] = {area, {tokens.begin(), tokens.end()}, false};
}

void XlsSheetFormulas::flush()
{
    if (!held_) {
        return;
    }
    if (held_->anchor && !definitionFor(*held_)) {
        unresolved_.push_back(std::move(*held_));
    } else {
        write(*held_, resolve(*held_));
    }
    held_.reset();
}

void XlsSheetFormulas::finish()
{
    flush();
    for (const Pending& cell : unresolved_) {
        write(cell, resolve(cell));
    }
    unresolved_.clear();
}

// The anchor is the area's top-left cell, and the area must hold the cell:
// a pointer elsewhere is damage, and the cell keeps its cached value.
const XlsSheetFormulas::Definition* XlsSheetFormulas::definitionFor(const Pending& cell) const
{
    const auto it = definitions_.find({cell.anchor->row, cell.anchor->column});
    return it != definitions_.end() && it->second.area.contains(cell.row, cell.column) ? &it->second : nullptr;
}

std::optional<QString> XlsSheetFormulas::resolve(const Pending& cell) const
{
    if (!cell.anchor) {
        return cell.text;
    }
    const Definition* d = definitionFor(cell);
    if (!d) {
        return std::nullopt;
    }
    // An array formula is its top left cell's; the other cells of the range
    // only hold what the array showed there.
    if (!d->shared && (cell.row != d->area.top || cell.column != d->area.left)) {
        return std::nullopt;
    }
    return d->shared ? decoder_.decode(d->tokens, {cell.row, cell.column}, BiffFormulaDecoder::Context::Shared)
                     : decoder_.decode(d->tokens, {d->area.top, d->area.left}, BiffFormulaDecoder::Context::Cell);
}

void XlsSheetFormulas::write(const Pending& cell, const std::optional<QString>& text)
{
    const Definition* d = cell.anchor ? definitionFor(cell) : nullptr;
    if (text && d && !d->shared && !d->area.isSingleCell()) {
        sink_.setArrayFormula(sheet_, d->area, *text, cell.cached, false);
    } else if (text) {
        sink_.setFormula(sheet_, cell.row, cell.column, *text, cell.cached);
    } else if (!cell.cached.isEmpty()) {
        sink_.setValue(sheet_, cell.row, cell.column, cell.cached);
    }
}

}  // namespace spreadsheet::io::xls
