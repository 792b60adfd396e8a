#include "BiffLinkTable.h"

#include "BiffCursor.h"
#include "BiffText.h"

#include <spreadsheet/io/FileFormatError.h>

#include <cstdlib>

namespace spreadsheet::io::xls {

namespace {

// Markers in place of the length of a SUPBOOK's path.
constexpr std::uint16_t kSelfMarker = 0x0401;
constexpr std::uint16_t kAddInMarker = 0x3A01;
constexpr std::size_t kExternSheetSize = 6;
constexpr int kWorkbookLevel = 0xFFFE;
constexpr int kDeletedSheet = 0xFFFF;
constexpr std::size_t kExternNameHeader = 6;
// The first byte of an Excel 5.0/95 EXTERNSHEET's text says what follows:
// a sheet of this workbook (two spellings), this workbook, or an add-in.
constexpr std::uint8_t kOwnSheet = 0x02;
constexpr std::uint8_t kOwnSheetToo = 0x03;
constexpr std::uint8_t kOwnBook = 0x04;
constexpr std::uint8_t kAddIn = 0x3A;

}  // namespace

void BiffLinkTable::readSupBook(BiffCursor& cursor)
{
    cursor.u16();  // sheet count
    const std::uint16_t marker = cursor.u16();
    const BookKind kind = marker == kSelfMarker ? BookKind::Self : marker == kAddInMarker ? BookKind::AddIn : BookKind::Other;
    books_.push_back({kind, {}});
}

void BiffLinkTable::readExternName(BiffCursor& cursor, const BiffText& text)
{
    // A stray EXTERNNAME before any SUPBOOK belongs to no book we can name.
    if (books_.empty()) {
        return;
    }
    cursor.skip(kExternNameHeader);
    books_.back().names.push_back(text.shortString(cursor));
}

void BiffLinkTable::readExternSheet(BiffCursor& cursor, const BiffText& text)
{
    if (text.isBiff8()) {
        readExternSheet8(cursor);
    } else {
        readExternSheet5(cursor);
    }
}

// Only the kind of document matters: references to this workbook's sheets
// carry their tab numbers, and some writers count the name's length in
// characters, others in bytes.
void BiffLinkTable::readExternSheet5(BiffCursor& cursor)
{
    cursor.u8();  // length
    const std::uint8_t kind = cursor.atEnd() ? 0 : cursor.u8();
    const BookKind book = kind == kOwnSheet || kind == kOwnSheetToo || kind == kOwnBook ? BookKind::Self
                          : kind == kAddIn                                          ? BookKind::AddIn
                                                                                    : BookKind::Other;
    books_.push_back({book, {}});
    externSheets_.push_back({static_cast<int>(books_.size()) - 1, -1, -1});
}

void BiffLinkTable::readExternSheet8(BiffCursor& cursor)
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
    return tabsLink(e->firstSheet, e->lastSheet);
}

BiffLinkTable::SheetLink BiffLinkTable::tabsLink(int firstTab, int lastTab) const
{
    if (firstTab == kDeletedSheet) {
        return {SheetKind::Deleted, {}};
    }
    if (firstTab == kWorkbookLevel) {
        return {SheetKind::Workbook, {}};
    }
    // A range of sheets ("Plan1:Plan3!A1") has no form in the engine.
    if (firstTab != lastTab || firstTab < 0 || firstTab >= static_cast<int>(sheets_.size())) {
        return {};
    }
    return {SheetKind::Sheet, sheets_[static_cast<std::size_t>(firstTab)]};
}

BiffLinkTable::SheetLink BiffLinkTable::sheet5(int externSheetNumber, int firstTab, int lastTab) const
{
    const Book* book = bookOf(std::abs(externSheetNumber) - 1);
    // A negative number is this workbook even where its entry is missing.
    const bool own = book ? book->kind == BookKind::Self : externSheetNumber < 0;
    return own ? tabsLink(firstTab, lastTab) : SheetLink{};
}

std::optional<QString> BiffLinkTable::externalName5(int externSheetNumber, int index) const
{
    return externalName(std::abs(externSheetNumber) - 1, index);
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
