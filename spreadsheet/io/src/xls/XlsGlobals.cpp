#include "XlsGlobals.h"

#include "BiffRecordStream.h"

#include <spreadsheet/io/FileFormatError.h>

#include <array>

namespace spreadsheet::io::xls {

namespace {

constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint16_t kBiff5 = 0x0500;
constexpr std::uint16_t kGlobalsPart = 0x0005;
constexpr std::uint8_t kWorksheetType = 0x00;
constexpr std::uint16_t kNameFunction = 0x0002;
constexpr std::uint16_t kNameBuiltIn = 0x0020;
constexpr std::size_t kNameSkipBeforeScope = 2;
constexpr std::size_t kNameSkipAfterScope = 4;
constexpr std::size_t kWindowSkipBeforeTab = 10;
constexpr std::size_t kMinStringSize = 3;  // length and flags
constexpr std::uint16_t kCodePageRecord = 0x0042;

// The names Excel gives its built-in names, by their one-character code.
constexpr std::array<const char*, 14> kBuiltInNames{
    "Consolidate_Area", "Auto_Open",   "Auto_Close",    "Extract",         "Database",
    "Criteria",         "Print_Area",  "Print_Titles",  "Recorder",        "Data_Form",
    "Auto_Activate",    "Auto_Deactivate", "Sheet_Title", "_FilterDatabase",
};

}  // namespace

void XlsGlobals::readFirstRecord(BiffRecordStream& records)
{
    BiffRecord bof;
    if (!records.next(bof) || bof.type != record::kBof) {
        throw FileFormatError(QStringLiteral("A pasta de trabalho não começa com um registro BOF."));
    }
    BiffCursor cursor = bof.cursor();
    const std::uint16_t version = cursor.u16();
    const std::uint16_t part = cursor.u16();
    if ((version != kBiff8 && version != kBiff5) || part != kGlobalsPart) {
        throw FileFormatError(QStringLiteral("Versão de arquivo do Excel não suportada."));
    }
    text_ = BiffText(version == kBiff8, BiffText::kDefaultCodePage);
}

void XlsGlobals::read(BiffRecordStream& records)
{
    readFirstRecord(records);
    BiffRecord r;
    while (records.next(r)) {
        BiffCursor cursor = r.cursor();
        bool more = true;
        try {
            more = readRecord(r.type, cursor);
        } catch (const TruncatedRecord&) {
            ++skippedRecords_;
        }
        if (!more) {
            if (skippedRecords_ > 0) {
                warnings_.push_back(QStringLiteral("%1 registro(s) danificado(s) da pasta de trabalho foram ignorados.")
                                        .arg(skippedRecords_));
            }
            styles_.finish();
            if (sheets_.empty()) {
                throw FileFormatError(QStringLiteral("A pasta de trabalho não contém planilhas."));
            }
            return;
        }
    }
    throw FileFormatError(QStringLiteral("Arquivo truncado: fim da pasta de trabalho ausente."));
}

// False at the end of the workbook part.
bool XlsGlobals::readRecord(std::uint16_t type, BiffCursor& cursor)
{
    switch (type) {
    case record::kEof:
        return false;
    case record::kFilePass:
        throw FileFormatError(QStringLiteral("Arquivo protegido por senha não é suportado."));
    case record::kBoundSheet:
        readBoundSheet(cursor);
        break;
    case record::kSst:
        readSharedStrings(cursor);
        break;
    case record::kFont:
        styles_.readFont(cursor, text_);
        break;
    case record::kFormat:
        styles_.readFormat(cursor, text_);
        break;
    case record::kXf:
        styles_.readXf(cursor, text_);
        break;
    case record::kPalette:
        styles_.readPalette(cursor);
        break;
    case kCodePageRecord:
        readCodePage(cursor);
        break;
    case record::kName:
        readName(cursor);
        break;
    case record::kSupBook:
        links_.readSupBook(cursor);
        break;
    case record::kExternName:
        links_.readExternName(cursor, text_);
        break;
    case record::kExternSheet:
        links_.readExternSheet(cursor, text_);
        break;
    case record::kDateMode:
        dates1904_ = cursor.u16() != 0;
        break;
    case record::kWindow1:
        cursor.skip(kWindowSkipBeforeTab);
        activeTab_ = cursor.u16();
        break;
    default:
        break;
    }
    return true;
}

void XlsGlobals::readBoundSheet(BiffCursor& cursor)
{
    SheetEntry entry;
    entry.offset = cursor.u32();
    cursor.u8();  // visibility: hidden sheets are read like the others
    entry.isWorksheet = cursor.u8() == kWorksheetType;
    entry.name = text_.shortString(cursor);
    links_.addSheet(entry.name);
    sheets_.push_back(std::move(entry));
}

void XlsGlobals::readCodePage(BiffCursor& cursor)
{
    text_ = BiffText(text_.isBiff8(), cursor.u16());
}

// A table cut short (an empty or missing CONTINUE) keeps the strings it
// holds; the cells that use the missing ones are left empty.
void XlsGlobals::readSharedStrings(BiffCursor& cursor)
{
    cursor.u32();  // how many times strings are used
    const std::size_t unique = cursor.u32();
    // The declared count is only trusted as far as the data can back it.
    sharedStrings_.clear();
    sharedStrings_.reserve(std::min(unique, cursor.remaining() / kMinStringSize));
    declaredStrings_ = unique;
    try {
        while (sharedStrings_.size() < unique && !cursor.atEnd()) {
            sharedStrings_.push_back(cursor.richString());
        }
    } catch (const TruncatedRecord&) {
        // the string the data stops in is lost with those after it
    }
    if (sharedStrings_.size() < unique) {
        warnings_.push_back(QStringLiteral("Tabela de textos incompleta: %1 de %2 textos lidos; as células com os demais ficam vazias.")
                                .arg(sharedStrings_.size())
                                .arg(unique));
    }
}

void XlsGlobals::readName(BiffCursor& cursor)
{
    NameEntry entry;
    const std::uint16_t flags = cursor.u16();
    cursor.u8();  // keyboard shortcut
    const std::size_t length = cursor.u8();
    const std::size_t tokenSize = cursor.u16();
    cursor.skip(kNameSkipBeforeScope);
    entry.localSheet = cursor.u16();
    cursor.skip(kNameSkipAfterScope);
    entry.builtIn = (flags & kNameBuiltIn) != 0;
    entry.function = (flags & kNameFunction) != 0;
    entry.label = text_.characters(cursor, length);
    if (entry.builtIn && !entry.label.isEmpty() && entry.label[0].unicode() < kBuiltInNames.size()) {
        entry.label = QString::fromLatin1(kBuiltInNames[entry.label[0].unicode()]);
    }
    const auto tokens = cursor.bytes(tokenSize);
    entry.tokens.assign(tokens.begin(), tokens.end());
    links_.addName(entry.label);
    names_.push_back(std::move(entry));
}

}  // namespace spreadsheet::io::xls
