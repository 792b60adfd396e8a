#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace spreadsheet::io::xls {

class BiffCursor;
class BiffText;

// What formula tokens point at by number: sheets through the EXTERNSHEET
// list, defined names by their order, and names that belong to add-ins
// (functions such as EOMONTH or a template's own macros).
class BiffLinkTable {
public:
    enum class SheetKind : std::uint8_t { Sheet, Deleted, Workbook, Unsupported };
    struct SheetLink {
        SheetKind kind = SheetKind::Unsupported;
        QString name;  // for SheetKind::Sheet
    };

    // Every sheet of the file in tab order, charts and macro sheets included.
    void addSheet(const QString& name) { sheets_.push_back(name); }
    void readSupBook(BiffCursor& cursor);
    void readExternName(BiffCursor& cursor, const BiffText& text);
    // Excel 97 keeps the whole list in one record; Excel 5.0/95 writes one
    // record per entry, each naming its document, and no SUPBOOK.
    void readExternSheet(BiffCursor& cursor, const BiffText& text);
    void addName(const QString& label) { names_.push_back(label); }

    // The sheet that a 3-D reference names through its EXTERNSHEET index.
    SheetLink sheet(int externSheetIndex) const;
    // The same for an Excel 5.0/95 reference: a signed, one-based entry
    // number (negative for this workbook) and the tab numbers it carries.
    SheetLink sheet5(int externSheetNumber, int firstTab, int lastTab) const;
    // An Excel 5.0/95 name reached through a signed, one-based entry number.
    std::optional<QString> externalName5(int externSheetNumber, int index) const;
    // The label of a defined name, counted from 1; nullopt when out of range.
    std::optional<QString> name(int index) const;
    // A name reached through an EXTERNSHEET index: a defined name of this
    // workbook or an add-in's name; nullopt for other workbooks' names.
    std::optional<QString> externalName(int externSheetIndex, int index) const;

private:
    enum class BookKind : std::uint8_t { Self, AddIn, Other };
    struct Book {
        BookKind kind;
        std::vector<QString> names;
    };
    struct ExternSheet {
        int book;
        int firstSheet;
        int lastSheet;
    };
    const Book* bookOf(int externSheetIndex, const ExternSheet** entry = nullptr) const;
    SheetLink tabsLink(int firstTab, int lastTab) const;
    void readExternSheet8(BiffCursor& cursor);
    void readExternSheet5(BiffCursor& cursor);

    std::vector<QString> sheets_;
    std::vector<Book> books_;
    std::vector<ExternSheet> externSheets_;
    std::vector<QString> names_;
};

}  // namespace spreadsheet::io::xls
