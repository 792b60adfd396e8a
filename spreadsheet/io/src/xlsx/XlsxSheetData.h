#pragma once

#include "XlsxCell.h"
#include "XlsxXml.h"

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Value.h>

#include <cstddef>
#include <map>
#include <optional>
#include <vector>

namespace spreadsheet::io {

// The characters of a string item (shared or inline): its plain text or
// its runs, never its phonetic reading, with Excel's "_xHHHH_" escapes
// decoded.
class XlsxTextCollector {
public:
    void open(std::string_view name);
    void close(std::string_view name);
    void text(std::string_view s);
    // The collected text, and a fresh start.
    QString take();
    // A fresh start, the text dropped.
    void clear();

private:
    std::string text_;
    bool inText_ = false;
    int phoneticDepth_ = 0;
};

struct XlsxSharedStringsVisitor {
    std::vector<QString> strings;
    XlsxTextCollector collector;
    void open(std::string_view name, const xml::Attributes&) { collector.open(name); }
    void close(std::string_view name);
    void text(std::string_view s) { collector.text(s); }
};

// The cells and merges of a sheet part.
class XlsxCellsVisitor {
public:
    explicit XlsxCellsVisitor(const std::vector<QString>& strings) : strings_(strings) {}

    void open(std::string_view name, const xml::Attributes& attributes);
    void close(std::string_view name);
    void text(std::string_view s);

    std::vector<XlsxCell> cells;
    std::vector<CellRange> merges;

private:
    void reserveFor(std::string_view ref);
    void openCell(const xml::Attributes& attributes);
    void openFormula(const xml::Attributes& attributes);
    void closeCell();
    Value value();

    const std::vector<QString>& strings_;
    XlsxCell cell_;
    std::string type_;
    bool dynamicArray_ = false;
    std::string value_;
    std::optional<XlsxCellFormula> formula_;
    std::string formulaText_;
    bool inCell_ = false;
    bool inValue_ = false;
    bool inFormula_ = false;
    bool inInline_ = false;
    bool hasValue_ = false;
    XlsxTextCollector inline_;
};

// "B7" to (6, 1); nothing for anything else.
std::optional<std::pair<int, int>> cellAddress(std::string_view a1);
// "B7:C9" (or "B7") to its range; nothing for anything else.
std::optional<CellRange> rangeAddress(std::string_view ref);

}  // namespace spreadsheet::io
