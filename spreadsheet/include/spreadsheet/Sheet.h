#pragma once

#include "CellRange.h"
#include "CellStyle.h"
#include "Value.h"

#include <QString>

class QLocale;

#include <functional>
#include <memory>
#include <vector>

namespace spreadsheet {

class Workbook;
class SheetData;

// View options that can also be left to the workbook's default.
enum class TriState : std::uint8_t { Off, On, Default };

// How cells make room for an insertion, and close the gap of a deletion.
enum class InsertMove : std::uint8_t { EntireColumns = 0, EntireRows = 1, ShiftDown = 2, ShiftRight = 3 };
enum class DeleteMove : std::uint8_t { EntireColumns = 0, EntireRows = 1, ShiftLeft = 2, ShiftUp = 3 };

enum class SortOrder : std::uint8_t { Ascending, Descending };

// How written text is taken: as it stands, or recognising formulas, numbers,
// booleans and error literals.
enum class TextMode : std::uint8_t { Plain, Recognize };

class Sheet {
public:
    Sheet(Workbook& workbook, int id, QString name);
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    Workbook& workbook() const { return workbook_; }
    int id() const { return id_; }
    const QString& name() const { return name_; }
    void setName(const QString& name);

    // Cell content. Rows and columns are zero-based.
    bool hasCell(int row, int column) const;  // content or a style of its own
    // Shows a value that an array formula elsewhere spilled into it.
    bool isSpilled(int row, int column) const;
    bool isFormula(int row, int column) const;
    Value value(int row, int column) const;   // a formula gives its calculated value
    QString text(int row, int column) const;  // "=..." for a formula, else the edit text
    QString displayText(int row, int column) const;  // as shown, with number format and locale
    // The same in a given locale: a writer of many cells makes the default
    // locale once, not once a cell.
    QString displayText(int row, int column, const QLocale& locale) const;
    QString formulaError(int row, int column) const;  // why a formula's text did not parse
    void setText(int row, int column, const QString& text, TextMode mode = TextMode::Recognize);
    void setText(int row, int column, const QString& text, bool recognizeFormula)
    {
        setText(row, column, text, recognizeFormula ? TextMode::Recognize : TextMode::Plain);
    }
    void setValue(int row, int column, const Value& value);
    void clearCell(int row, int column);  // content and style
    // The value a formula shows until it is next calculated, as a file
    // cached it. Does nothing on a cell without a formula.
    void setCachedValue(int row, int column, const Value& value);

    // Existing cells in a range, row-major within each column block order:
    // column by column, top to bottom.
    void forEachCell(const CellRange& range, const std::function<void(int row, int column)>& visit) const;

    // Style of a cell; cells without one of their own have the sheet's
    // default style, and a cell set to that style is left without one.
    const CellStyle& style(int row, int column) const;
    void setStyle(int row, int column, const CellStyle& style);
    // The style of cells without one of their own, CellStyle{} unless chosen.
    // Meant for a sheet being created or loaded: the change is not kept in
    // the history, and every cell without a style of its own follows it.
    const CellStyle& defaultStyle() const { return defaultStyle_; }
    void setDefaultStyle(const CellStyle& style) { defaultStyle_ = style; }

    // Structure. Every reference to moved cells follows them, on every sheet
    // and in defined names; a reference to a deleted cell becomes #REF!.
    // Styles, sizes and merged areas move with their cells.
    void insertCells(const CellRange& area, InsertMove move);
    void deleteCells(const CellRange& area, DeleteMove move);
    void InsertRows(int index, int count);
    void InsertColumns(int index, int count);
    void deleteRows(int index, int count);
    void deleteColumns(int index, int count);

    // Sorts the area's rows, stable. Keys are sheet column indexes with one
    // order each (a missing order is ascending); with no columns named, the
    // area's first column is the key. Numbers come before text, empty cells
    // last in both orders. Rows move as if copied: relative references shift.
    void SortByColumnValues(const CellRange& area, const std::vector<SortOrder>& orders,
                            const std::vector<int>& columns);

    // Merged areas. Merging keeps the top-left value; an area that partly
    // overlaps another merge is refused with a SpreadsheetError.
    void mergeCells(const CellRange& area);
    void splitCells(const CellRange& area);  // splits every merge inside or crossing the area
    const std::vector<CellRange>& mergedAreas() const;
    const CellRange* mergedAreaAt(int row, int column) const;

    // Changes the style of every cell of the area as one action.
    void formatCells(const CellRange& area, const std::function<void(CellStyle&)>& change);
    // Replaces formulas by their current values.
    void freezeFormulas(const CellRange& area);
    // Values only, keeping the formats; or values and formats together.
    void clearValues(const CellRange& area);
    void clearCells(const CellRange& area);

    // Tab-separated text for the system clipboard: rows end with a newline,
    // cells hold their display text. Pasting text writes each field with
    // recognition, from the given top-left cell, and gives the area written
    // (invalid when the text holds nothing).
    QString toTabSeparatedText(const CellRange& area) const;
    CellRange pasteTabSeparatedText(int row, int column, const QString& text);

    // Last row (column) holding content or a style, plus one.
    int rowCount() const;
    int columnCount() const;

    // Sizes in pixels.
    int rowHeight(int row) const;
    void setRowHeight(int row, int height);
    bool isRowHidden(int row) const;
    void setRowHidden(int row, bool hidden);
    // Manual page breaks: a printed page starts at each such row.
    bool hasPageBreak(int row) const;
    void setPageBreak(int row, bool on);
    std::vector<int> pageBreaks() const;  // ascending
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    bool isColumnHidden(int column) const;
    void setColumnHidden(int column, bool hidden);
    int defaultRowHeight() const;
    int defaultColumnWidth() const;

    TriState gridLines() const { return gridLines_; }
    void setGridLines(TriState value) { gridLines_ = value; }
    TriState headers() const { return headers_; }
    void setHeaders(TriState value) { headers_ = value; }
    TriState showFormulas() const { return showFormulas_; }
    void setShowFormulas(TriState value) { showFormulas_ = value; }
    const CellRange& selection() const { return selection_; }
    void setSelection(const CellRange& area) { selection_ = area; }

    SheetData& data() const { return *data_; }

private:
    friend class Workbook;

    Workbook& workbook_;
    int id_;
    QString name_;
    std::unique_ptr<SheetData> data_;
    TriState gridLines_ = TriState::Default;
    TriState headers_ = TriState::Default;
    TriState showFormulas_ = TriState::Default;
    CellRange selection_;
    CellStyle defaultStyle_;
};

}  // namespace spreadsheet
