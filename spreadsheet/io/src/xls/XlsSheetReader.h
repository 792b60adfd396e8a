#pragma once

#include "BiffFormulaDecoder.h"
#include "XlsSheetFormulas.h"
#include "XlsSheetStyles.h"

#include <spreadsheet/Value.h>

#include <QString>

#include <cstddef>
#include <cstdint>

namespace spreadsheet::io {
class ImportSink;
}

namespace spreadsheet::io::xls {

class BiffCursor;
class BiffRecordStream;
struct BiffRecord;
class XlsGlobals;

// Reads one worksheet's part of the stream into the sink: cells, formulas,
// row and column sizes, merged areas and cell formats.
class XlsSheetReader {
public:
    XlsSheetReader(const XlsGlobals& globals, ImportSink& sink, int sheet, QString name);

    // Reads from the sheet's BOF record at `offset` to its EOF. False when
    // the stream ends first: what came before the cut is kept.
    bool read(BiffRecordStream& records, std::size_t offset);

private:
    using Handler = void (XlsSheetReader::*)(BiffCursor&);
    struct HandlerEntry {
        std::uint16_t type;
        Handler handler;
    };
    static const HandlerEntry* handlerFor(std::uint16_t type);
    void handle(const BiffRecord& record);

    void number(BiffCursor& cursor);
    void rk(BiffCursor& cursor);
    void mulRk(BiffCursor& cursor);
    void labelSst(BiffCursor& cursor);
    void label(BiffCursor& cursor);
    void boolErr(BiffCursor& cursor);
    void blank(BiffCursor& cursor);
    void mulBlank(BiffCursor& cursor);
    void formula(BiffCursor& cursor);
    void string(BiffCursor& cursor);
    void sharedFormula(BiffCursor& cursor);
    void arrayFormula(BiffCursor& cursor);
    void row(BiffCursor& cursor);
    void defaultRowHeight(BiffCursor& cursor);
    void columnInfo(BiffCursor& cursor);
    void mergedCells(BiffCursor& cursor);

    struct CellHeader {
        int row;
        int column;
        int xf;
    };
    CellHeader cellHeader(BiffCursor& cursor);
    int column(int value) const;
    void setNumber(const CellHeader& cell, double value);
    void setCell(const CellHeader& cell, const Value& value);
    Value shiftedDate(int xf, Value value) const;
    void finish();
    void warn(const QString& message);

    const XlsGlobals& globals_;
    ImportSink& sink_;
    int sheet_;
    QString name_;
    BiffFormulaDecoder decoder_;
    XlsSheetFormulas formulas_;
    XlsSheetStyles styles_;
    int defaultRowTwips_ = 255;
    int skippedRecords_ = 0;
};

}  // namespace spreadsheet::io::xls
