#include "BiffLinkTable.h"

#include "BiffCursor.h"

#include <spreadsheet/io/FileFormatError.h>

namespace spreadsheet::io::xls {

namespace {

// Markers in place of the length of a SUPBOOK's path.
constexpr std::uint16_t kSelfMarker = 0x0401;
constexpr std::uint16_t kAddInMarker = 0x3A01;
constexpr std::size_t kExternSheetSize = 6;
constexpr int kWorkbookLevel = 0xFFFE;
constexpr int kDeletedSheet = 0xFFFF;
constexpr std::size_t kExternNameHeader = 6;

}  // namespace

void BiffLinkTable::readSupBook(BiffCursor& cursor)
{
    cursor.u16();  // sheet count
    const std::uint16_t marker = cursor.u16();
    const BookKind kind = marker == kSelfMarker ? BookKind::Self : marker == kAddInMarker ? BookKind::AddIn : BookKind::Other;
    books_.push_back({kind, {}});
}

void BiffLinkTable::readExternName(BiffCursor& cursor)
{
    // A stray EXTERNNAME before any SUPBOOK belongs to no book we can name.
    if (books_.empty()) {
        return;
    }
    cursor.skip(kExternNameHeader);
    books_.back().names.push_back(cursor.string8());
}

void BiffLinkTable::readExternSheet(BiffCursor& cursor)
{
    const std::size_t count = cursor.u16();
    if (count * kExternSheetSize > cursor.remaining()) {
        throw FileFormatError(QStringLiteral("Lista de referências externas truncada."));
    }
    externSheets_.clear();
    externSheets_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const int book = cursor.u16();
        const int first = cursor.u16();
        const int last = cursor.u16();
        externSheets_.push_back({book, first, last});
    }
}

const BiffLinkTable::Book* BiffLinkTable::bookOf(int externSheetIndex, const ExternSheet** entry) const
{
    if (externSheetIndex < 0 || externSheetIndex >= static_cast<int>(externSheets_.size())) {
        return nullptr;
    }
    const ExternSheet& e = externSheets_[static_cast<std::size_t>(externSheetIndex)];
    if (entry) {
        *entry = &e;
    }
    return e.book < static_cast<int>(books_.size()) ? &books_[static_cast<std::size_t>(e.book)] : nullptr;
}

BiffLinkTable::SheetLink BiffLinkTable::sheet(int externSheetIndex) const
{
    const ExternSheet* e = nullptr;
    const Book* book = bookOf(externSheetIndex, &e);
    if (!book || book->kind != BookKind::Self) {
        return {};
    }
    if (e->firstSheet == kDeletedSheet) {
        return {SheetKind::Deleted, {}};
    }
    if (e->firstSheet == kWorkbookLevel) {
        return {SheetKind::Workbook, {}};
    }
    // A range of sheets ("Plan1:Plan3!A1") has no form in the engine.
    if (e->firstSheet != e->lastSheet || e->firstSheet >= static_cast<int>(sheets_.size())) {
        return {};
    }
    return {SheetKind::Sheet, sheets_[static_cast<std::size_t>(e->firstSheet)]};
}

std::optional<QString> BiffLinkTable::name(int index) const
{
    if (index < 1 || index > static_cast<int>(names_.size())) {
        return std::nullopt;
    }
    return names_[static_cast<std::size_t>(index - 1)];
}

std::optional<QString> BiffLinkTable::externalName(int externSheetIndex, int index) const
{
    const Book* book = bookOf(externSheetIndex);
    if (!book || book->kind == BookKind::Other) {
        return std::nullopt;
    }
    if (book->kind == BookKind::Self) {
        return name(index);
    }
    if (index < 1 || index > static_cast<int>(book->names.size())) {
        return std::nullopt;
    }
    return book->names[static_cast<std::size_t>(index - 1)];
}

}  // namespace spreadsheet::io::xls
