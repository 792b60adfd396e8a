#pragma once

#include "BiffLinkTable.h"
#include "BiffText.h"
#include "XfStyleTable.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace spreadsheet::io::xls {

class BiffCursor;
class BiffRecordStream;

// What the workbook part of the stream holds before the sheets: sheet list,
// shared strings, formats, names and links, date system and active tab, in
// the Excel 97 (BIFF8) or the Excel 5.0/95 (BIFF5) layout as the BOF says.
class XlsGlobals {
public:
    struct SheetEntry {
        QString name;
        std::size_t offset;  // of the sheet's BOF record in the stream
        bool isWorksheet;    // charts, macro sheets and modules are skipped
    };
    struct NameEntry {
        QString label;
        std::vector<std::uint8_t> tokens;
        int localSheet;  // 0 for workbook scope, else the sheet's tab number + 1
        bool builtIn;
        bool function;
    };

    // Reads from the stream's first record to the end of the workbook part.
    void read(BiffRecordStream& records);

    const BiffText& text() const { return text_; }
    // What was damaged but read around, for the user.
    const std::vector<QString>& warnings() const { return warnings_; }
    const std::vector<SheetEntry>& sheets() const { return sheets_; }
    const std::vector<QString>& sharedStrings() const { return sharedStrings_; }
    // How many shared strings the table declared: more than it held when cut short.
    std::size_t declaredStrings() const { return declaredStrings_; }
    const XfStyleTable& styles() const { return styles_; }
    const BiffLinkTable& links() const { return links_; }
    const std::vector<NameEntry>& names() const { return names_; }
    bool uses1904Dates() const { return dates1904_; }
    int activeTab() const { return activeTab_; }

private:
    void readFirstRecord(BiffRecordStream& records);
    bool readRecord(std::uint16_t type, BiffCursor& cursor);
    void readBoundSheet(BiffCursor& cursor);
    void readSharedStrings(BiffCursor& cursor);
    void readName(BiffCursor& cursor);
    void readCodePage(BiffCursor& cursor);

    BiffText text_;
    std::vector<QString> warnings_;
    int skippedRecords_ = 0;
    std::vector<SheetEntry> sheets_;
    std::vector<QString> sharedStrings_;
    std::size_t declaredStrings_ = 0;
    XfStyleTable styles_;
    BiffLinkTable links_;
    std::vector<NameEntry> names_;
    bool dates1904_ = false;
    int activeTab_ = 0;
};

}  // namespace spreadsheet::io::xls
