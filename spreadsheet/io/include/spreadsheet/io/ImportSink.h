#pragma once

#include "PrintSettings.h"

#include <spreadsheet/CellRange.h>
#include <spreadsheet/CellStyle.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Value.h>

#include <QString>

#include <cstddef>
#include <vector>

namespace spreadsheet::io {

// What a file reader hands over while it reads: every format feeds a
// workbook through this one interface, so a new format is one new reader.
// Sheets are numbered in the order they were added, from 0.
class ImportSink {
public:
    virtual ~ImportSink() = default;

    virtual int addSheet(const QString& name) = 0;
    virtual void setValue(int sheet, int row, int column, const Value& value) = 0;
    // Formula text in the engine's syntax (English function names, ';' or ','
    // between arguments, A1 references), with the value the file cached.
    virtual void setFormula(int sheet, int row, int column, const QString& text, const Value& cached) = 0;
    // An array formula over a range, its text at the top left cell; with
    // `spills` it is a formula whose array spills (the range is where it
    // spilled when saved). The other cells of the range keep nothing.
    virtual void setArrayFormula(int sheet, const CellRange& area, const QString& text, const Value& cached,
                                 bool spills)
    {
        (void)spills;
        setFormula(sheet, area.top, area.left, text, cached);
    }
    // About as many formulas follow: room can be made for them at once.
    virtual void expectFormulas(std::size_t count) { (void)count; }
    virtual void setStyle(int sheet, int row, int column, const CellStyle& style) = 0;
    virtual void setRowFormat(int sheet, int row, int heightPixels, bool hidden) = 0;  // height < 0: default
    virtual void setColumnFormat(int sheet, int column, int widthPixels, bool hidden) = 0;
    virtual void addMerge(int sheet, const CellRange& area) = 0;
    virtual void defineName(const QString& name, const QString& reference) = 0;
    virtual void setActiveSheet(int sheet) = 0;

    // What only the native format carries; other readers leave the defaults.
    // Styles declared up front keep their order in the workbook's table.
    virtual void declareStyles(const std::vector<CellStyle>& styles) { (void)styles; }
    virtual void setSheetView(int sheet, TriState gridLines, TriState headers, TriState showFormulas,
                              const CellRange& selection)
    {
        (void)sheet, (void)gridLines, (void)headers, (void)showFormulas, (void)selection;
    }
    virtual void setPageBreak(int sheet, int row) { (void)sheet, (void)row; }
    // Comes before the sheet's cells: a cell given a style equal to the
    // sheet's default has none of its own.
    virtual void setSheetDefaultStyle(int sheet, const CellStyle& style) { (void)sheet, (void)style; }
    // A style by its place in the declared table.
    virtual void setStyleIndex(int sheet, int row, int column, int index) { (void)sheet, (void)row, (void)column, (void)index; }
    virtual void setWorkbookOptions(bool r1c1, bool automaticCalculation, bool sheetTabsVisible)
    {
        (void)r1c1, (void)automaticCalculation, (void)sheetTabsVisible;
    }
    // How the workbook prints, from a file that says so beside its cells.
    virtual void setPrintSettings(const PrintSettings& print) { (void)print; }
    // What the file holds that the reader could not take, in Portuguese.
    virtual void warn(const QString& message) { (void)message; }
    // Some formula came without its value: the workbook is calculated once
    // it is built, so that no cell shows a value the file never had.
    virtual void calculateAfterLoading() {}
};

}  // namespace spreadsheet::io
