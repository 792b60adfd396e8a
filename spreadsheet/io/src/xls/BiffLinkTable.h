#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace spreadsheet::io::xls {

class BiffCursor;

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
    void readExternName(BiffCursor& cursor);
    void readExternSheet(BiffCursor& cursor);
    void addName(const QString& label) { names_.push_back(label); }

    // The sheet that a 3-D reference names through its EXTERNSHEET index.
    SheetLink sheet(int externSheetIndex) const;
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

    std::vector<QString> sheets_;
    std::vector<Book> books_;
    std::vector<ExternSheet> externSheets_;
    std::vector<QString> names_;
};

}  // namespace spreadsheet::io::xls
