#pragma once

#include "DeflatePieces.h"
#include "SheetData.h"

#include <spreadsheet/CellRange.h>

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

struct lxw_format;

namespace spreadsheet {
class Sheet;
struct CellStyle;
}  // namespace spreadsheet

namespace spreadsheet::io {

class XlsxFormatCache;
class XlsxSharedStrings;

// Writes a sheet's <sheetData> element, the rows and their cells, as the
// library would, compressing it as it goes. The library writes the rest
// of the sheet part, and the cells it writes for merged areas, rows and
// the corners below give it the sheet's dimension. Sheets with array
// formulas or spilled arrays are left to the library.
class XlsxSheetDataWriter {
public:
    struct Result {
        std::vector<DeflatePieces::Piece> pieces;
        std::optional<CellRange> extent;  // of the cells written
        lxw_format* format = nullptr;     // one of theirs
    };

    static bool canWrite(const Sheet& sheet);
    // Formats get their numbers as the cells first use them, row by row,
    // and the texts their places in `strings`.
    static Result write(const Sheet& sheet, XlsxFormatCache& formats, XlsxSharedStrings& strings);

private:
    struct Entry {
        int row;
        int column;
        const Cell* cell;          // none: a blank over a merged area
        const CellStyle* style;
    };
    struct Format {
        lxw_format* format;
        int index;
    };

    XlsxSheetDataWriter(const Sheet& sheet, XlsxFormatCache& formats, XlsxSharedStrings& strings);
    void run();
    void endBlock();
    void emitLineBlocksBefore(int block);
    void emitBlock(int block);
    void addMergeBlanks(int block);
    void emitRow(int row, const Entry* first, const Entry* last, const std::string& spans);
    void emitCell(const Entry& entry);
    void emitText(const Entry& entry, const QString& text);
    void emitFormula(const Entry& entry, const Cell& cell);
    void openCell(const Entry& entry, const char* type);
    const Format& format(const CellStyle& style);
    void extend(const Entry& entry);
    void flushText(bool force);

    const Sheet& sheet_;
    XlsxFormatCache& formats_;
    XlsxSharedStrings& strings_;
    DeflatePieces pieces_;
    std::string out_;
    std::unordered_map<const CellStyle*, Format> byStyle_;
    std::vector<Entry> entries_;  // of the block being gathered
    int block_ = -1;
    std::vector<int> lineRows_;  // rows written even without cells
    std::size_t nextLine_ = 0;
    std::vector<CellRange> merges_;  // by top row
    std::size_t nextMerge_ = 0;
    std::vector<CellRange> activeMerges_;
    std::map<int, LineFormat>::const_iterator rowFormat_;
    Result result_;
};

}  // namespace spreadsheet::io
