#include "XlsxWriter.h"

#include "CellStore.h"
#include "ExcelFormula.h"
#include "FormulaWriter.h"
#include "SheetData.h"
#include "XlsxFormatCache.h"
#include "XlsxOwnProperties.h"
#include "XlsxPackageRewrite.h"
#include "XlsxPageSetup.h"
#include "XlsxSharedStrings.h"
#include "XlsxSheetDataWriter.h"
#include "XlsxUnits.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/SpreadsheetError.h>
#include <spreadsheet/Workbook.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <dlfcn.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace spreadsheet::io {

namespace {

// Closing is what writes the file; a workbook abandoned on an error is
// closed too, into the temporary file that is then removed.
struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookCloser>;

void check(lxw_error error, const QString& what)
{
    if (error != LXW_NO_ERROR) {
        throw SpreadsheetError(QStringLiteral("Não foi possível exportar para o Excel (%1): %2.")
                                   .arg(what, QString::fromUtf8(lxw_strerror(error))));
    }
}

// The cell's name is made only when there is an error to report: a million
// cells would otherwise build a million names for nothing.
void check(lxw_error error, CellAddress cell)
{
    if (error != LXW_NO_ERROR) {
        check(error, cellAddressText(cell.row, cell.column));
    }
}

QByteArray utf8(const QString& s)
{
    return s.toUtf8();
}

void writeConstant(lxw_worksheet* sheet, int row, int column, const Value& value, lxw_format* format)
{
    const CellAddress cell{row, column};
    switch (value.type()) {
    case ValueType::Number:
        check(worksheet_write_number(sheet, row, column, value.number(), format), cell);
        break;
    case ValueType::Text:
        check(worksheet_write_string(sheet, row, column, utf8(value.text()).constData(), format), cell);
        break;
    case ValueType::Boolean:
        check(worksheet_write_boolean(sheet, row, column, value.boolean(), format), cell);
        break;
    case ValueType::Error: {
        // The file format has no way to write an error constant here: the
        // literal as a formula shows the same error.
        const QByteArray error = utf8(errorText(value.error()));
        check(worksheet_write_formula_str(sheet, row, column, error.constData(), format, error.constData()), cell);
        break;
    }
    case ValueType::Array:  // cells never hold arrays
    case ValueType::Empty:
        check(worksheet_write_blank(sheet, row, column, format), cell);
        break;
    }
}

// The cached result goes with the formula, so that readers that do not
// calculate show the workbook's values. Booleans go as 1 and 0.
void writeFormula(lxw_worksheet* sheet, int row, int column, const QString& text, const Value& value,
                  lxw_format* format)
{
    const QByteArray formula = utf8(ExcelFormula::text(text));
    const CellAddress cell{row, column};
    if (value.isNumber() || value.isBoolean()) {
        check(worksheet_write_formula_num(sheet, row, column, formula.constData(), format, value.number()), cell);
        return;
    }
    const QByteArray result = value.isError() ? utf8(errorText(value.error())) : utf8(value.text());
    check(worksheet_write_formula_str(sheet, row, column, formula.constData(), format, result.constData()), cell);
}

const Formula* formulaAt(const Sheet& sheet, int row, int column)
{
    const Cell* cell = sheet.data().cells.find(row, column);
    return cell && cell->kind == CellKind::Formula ? cell->formula : nullptr;
}

// A formula written over a range: an array formula entered over it, or one
// whose array spilled there (a dynamic array, so Excel spills it again).
struct ArrayFormula {
    CellAddress cell;
    CellRange area;
    bool dynamic;
};

std::optional<ArrayFormula> arrayFormulaAt(const Sheet& sheet, const Formula& formula, int row, int column)
{
    if (formula.isArrayFormula()) {
        return ArrayFormula{{row, column}, formula.arrayArea(), false};
    }
    const SpillTable& spills = sheet.data().spills;
    const Spill* spill = spills.empty() ? nullptr : spills.anchoredAt(row, column);
    if (spill && !spill->fixed) {
        // A blocked spill still goes as a dynamic array, alone in its cell:
        // written as a plain formula Excel would take a single value of it.
        return ArrayFormula{{row, column}, spill->values ? spill->area : CellRange::cell(row, column), true};
    }
    return std::nullopt;
}

// The range gets the formula in its top left cell and zeros elsewhere; the
// other cells then get what they show, as Excel saves them, so that readers
// that do not calculate see the array.
void writeArrayFormula(lxw_worksheet* target, const Sheet& sheet, const ArrayFormula& array, XlsxFormatCache& formats)
{
    const auto [row, column] = array.cell;
    const CellRange& a = array.area;
    const QString text = FormulaWriter(sheet.workbook(), false).write(*formulaAt(sheet, row, column), {row, column});
    const QByteArray formula = utf8(ExcelFormula::text(text));
    lxw_format* format = formats.get(sheet.style(row, column));
    // The library keeps no text result for an array formula: Excel and
    // LibreOffice calculate it again on opening.
    const Value value = sheet.value(row, column);
    const double result = value.isNumber() || value.isBoolean() ? value.number() : 0;
    const auto write = array.dynamic ? worksheet_write_dynamic_array_formula_num : worksheet_write_array_formula_num;
    check(write(target, a.top, a.left, a.bottom, a.right, formula.constData(), format, result), array.cell);
    for (int r = a.top; r <= a.bottom; ++r) {
        for (int c = a.left; c <= a.right; ++c) {
            // An error has no constant form (it would go as a formula,
            // cutting the range): that cell keeps its zero.
            const Value shown = sheet.value(r, c);
            if ((r != a.top || c != a.left) && !shown.isEmpty() && !shown.isError()) {
                writeConstant(target, r, c, shown, formats.get(sheet.style(r, c)));
            }
        }
    }
}

void writeCells(lxw_worksheet* target, const Sheet& sheet, XlsxFormatCache& formats)
{
    std::vector<ArrayFormula> arrays;
    // A sheet's styles stay in place while it is written, so a style's
    // address names it; hashing the whole style for every cell cost more.
    std::unordered_map<const CellStyle*, lxw_format*> byAddress;
    sheet.data().cells.forEachByRow([&](int row, int column, const Cell& cell) {
        const CellStyle& style = sheet.style(row, column);
        auto [known, added] = byAddress.try_emplace(&style, nullptr);
        if (added)
            known->second = formats.get(style);
        lxw_format* format = known->second;
        const Value value = sheet.value(row, column);
        const Formula* formula = cell.kind == CellKind::Formula ? cell.formula : nullptr;
        if (formula && formula->isValid()) {
            if (std::optional<ArrayFormula> array = arrayFormulaAt(sheet, *formula, row, column)) {
                arrays.push_back(*array);  // after the cells it covers, which it writes over
                return;
            }
            // A1 references always: the workbook may be showing R1C1.
            const QString text = FormulaWriter(sheet.workbook(), false).write(*formula, {row, column});
            writeFormula(target, row, column, text, value, format);
        } else {
            writeConstant(target, row, column, value, format);
        }
    });
    for (const ArrayFormula& array : arrays) {
        writeArrayFormula(target, sheet, array, formats);
    }
}

lxw_row_col_options lineOptions(const LineFormat& line)
{
    lxw_row_col_options options{};
    options.hidden = line.hidden ? 1 : 0;
    return options;
}

void writeColumns(lxw_worksheet* target, const Sheet& sheet)
{
    for (const auto& [column, line] : sheet.data().columns) {
        lxw_row_col_options options = lineOptions(line);
        const auto width = static_cast<std::uint32_t>(line.size >= 0 ? line.size : sheet.defaultColumnWidth());
        check(worksheet_set_column_pixels_opt(target, column, column, width, nullptr, &options),
              QStringLiteral("coluna %1").arg(columnName(column)));
    }
}

void writeRow(lxw_worksheet* target, const Sheet& sheet, int row, const LineFormat& line)
{
    lxw_row_col_options options = lineOptions(line);
    const auto height = static_cast<std::uint32_t>(line.size >= 0 ? line.size : sheet.defaultRowHeight());
    check(worksheet_set_row_pixels_opt(target, row, height, nullptr, &options), QStringLiteral("linha %1").arg(row + 1));
}

// Rows whose cells are written apart are written there too: the library
// needs only the first and the last, for the sheet's dimension.
void writeRows(lxw_worksheet* target, const Sheet& sheet, bool all)
{
    const auto& rows = sheet.data().rows;
    if (rows.empty())
        return;
    if (!all) {
        writeRow(target, sheet, rows.begin()->first, rows.begin()->second);
        writeRow(target, sheet, rows.rbegin()->first, rows.rbegin()->second);
        return;
    }
    for (const auto& [row, line] : rows)
        writeRow(target, sheet, row, line);
}

// Excel keeps at most 1023 manual breaks, and a break before the first row
// means nothing; the list ends with a 0.
void writePageBreaks(lxw_worksheet* target, const Sheet& sheet)
{
    std::vector<lxw_row_t> breaks;
    for (int row : sheet.pageBreaks()) {
        if (row > 0 && breaks.size() < 1023)
            breaks.push_back(static_cast<lxw_row_t>(row));
    }
    if (breaks.empty())
        return;
    breaks.push_back(0);
    check(worksheet_set_h_pagebreaks(target, breaks.data()), QStringLiteral("quebras de página"));
}

// Merging writes blank cells over the area; the cells themselves are
// written afterwards, so the top-left value (and any other) survives.
void writeMerges(lxw_worksheet* target, const Sheet& sheet, XlsxFormatCache& formats)
{
    for (const CellRange& area : sheet.mergedAreas()) {
        lxw_format* format = formats.get(sheet.style(area.top, area.left));
        check(worksheet_merge_range(target, area.top, area.left, area.bottom, area.right, "", format), rangeText(area));
    }
}

// The print area goes to the sheet it names.
void writePrintArea(lxw_worksheet* target, const Sheet& sheet, const PrintSettings& print)
{
    ParsedReference area;
    if (print.printArea.isEmpty() || !parseReference(print.printArea, area)
        || area.sheetName.compare(sheet.name(), Qt::CaseInsensitive) != 0) {
        return;
    }
    const CellRange& r = area.range;
    check(worksheet_print_area(target, r.top, r.left, r.bottom, r.right), QStringLiteral("área de impressão"));
}

void writeView(lxw_worksheet* target, const Sheet& sheet)
{
    const CellRange& selection = sheet.selection();
    if (selection.isValid() && !(selection.top == 0 && selection.left == 0 && selection.bottom == 0 && selection.right == 0)) {
        worksheet_set_selection(target, selection.top, selection.left, selection.bottom, selection.right);
    }
}

// The cells of the sheets this writer writes itself, and their texts.
struct OwnCells {
    XlsxSharedStrings strings;
    std::vector<std::vector<DeflatePieces::Piece>> sheets;
};

// The library takes the sheet's dimension from the cells it is given: the
// corners of those written apart give the same.
void writeCorners(lxw_worksheet* target, const XlsxSheetDataWriter::Result& cells)
{
    if (!cells.extent)
        return;
    const CellRange& e = *cells.extent;
    check(worksheet_write_blank(target, e.top, e.left, cells.format), CellAddress{e.top, e.left});
    check(worksheet_write_blank(target, e.bottom, e.right, cells.format), CellAddress{e.bottom, e.right});
}

lxw_worksheet* writeSheet(lxw_workbook* workbook, const Sheet& sheet, XlsxFormatCache& formats, const PrintSettings& print,
                          OwnCells* own)
{
    lxw_worksheet* target = workbook_add_worksheet(workbook, utf8(sheet.name()).constData());
    if (!target) {
        throw SpreadsheetError(QStringLiteral("O Excel não aceita o nome de planilha \"%1\".").arg(sheet.name()));
    }
    worksheet_set_default_row(target, sheet.defaultRowHeight() * kPointsPerPixel, LXW_FALSE);
    XlsxPageSetup::write(target, print, sheet.gridLines() != TriState::Off);
    writePrintArea(target, sheet, print);
    writeView(target, sheet);
    writeColumns(target, sheet);
    writeRows(target, sheet, own == nullptr);
    writePageBreaks(target, sheet);
    writeMerges(target, sheet, formats);
    if (own) {
        XlsxSheetDataWriter::Result cells = XlsxSheetDataWriter::write(sheet, formats, own->strings);
        writeCorners(target, cells);
        own->sheets.push_back(std::move(cells.pieces));
    } else {
        writeCells(target, sheet, formats);
    }
    return target;
}

// Excel needs a sheet in every name's reference; a name that gives none
// means the active sheet.
QString nameFormula(const Workbook& workbook, const DefinedName& name)
{
    ParsedReference parsed;
    QString reference = name.reference;
    if (parseReference(reference, parsed) && parsed.sheetName.isEmpty()) {
        reference = sheetPrefix(workbook.activeSheet().name()) + reference;
    }
    return u'=' + ExcelFormula::text(reference);
}

void writeProperties(lxw_workbook* target, const Workbook& workbook, const PrintSettings& print)
{
    for (const auto& [name, value] : XlsxOwnProperties::write(workbook, print)) {
        check(workbook_set_custom_property_string(target, utf8(name).constData(), utf8(value).constData()), name);
    }
}

void writeWorkbook(lxw_workbook* target, const Workbook& workbook, const PrintSettings& print, OwnCells* own)
{
    XlsxFormatCache formats(target);
    writeProperties(target, workbook, print);
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        lxw_worksheet* sheet = writeSheet(target, workbook.sheet(i), formats, print, own);
        if (i == workbook.activeSheetIndex()) {
            worksheet_activate(sheet);
        }
    }
    for (const DefinedName& name : workbook.names()) {
        check(workbook_define_name(target, utf8(name.name).constData(), utf8(nameFormula(workbook, name)).constData()),
              QStringLiteral("nome %1").arg(name.name));
    }
}

bool writesOwnCells(const Workbook& workbook)
{
    for (int i = 0; i < workbook.sheetCount(); ++i) {
        if (!XlsxSheetDataWriter::canWrite(workbook.sheet(i)))
            return false;
    }
    return true;
}

// The library's sheet part with the cells written apart in place of its
// own <sheetData> element.
std::vector<DeflatePieces::Piece> spliceCells(const QByteArray& part, std::vector<DeflatePieces::Piece>& cells)
{
    const auto missing = [] {
        return SpreadsheetError(QStringLiteral("Não foi possível exportar para o Excel: a planilha gerada não tem células."));
    };
    const QByteArray empty = "<sheetData/>";
    const QByteArray close = "</sheetData>";
    const qsizetype start = part.indexOf("<sheetData");
    if (start < 0)
        throw missing();
    qsizetype end = start + empty.size();
    if (!part.sliced(start).startsWith(empty)) {
        end = part.indexOf(close, start);
        if (end < 0)
            throw missing();
        end += close.size();
    }
    std::vector<DeflatePieces::Piece> pieces;
    pieces.push_back(DeflatePieces::deflate(part.first(start).toStdString(), false));
    for (DeflatePieces::Piece& piece : cells)
        pieces.push_back(std::move(piece));
    pieces.push_back(DeflatePieces::deflate(part.sliced(end).toStdString(), true));
    return pieces;
}

// Inserts a text into a part the library wrote: after the last of a mark,
// or else before the end tag.
QByteArray inserted(QByteArray text, const QByteArray& mark, const QByteArray& endTag, const QByteArray& insert)
{
    const qsizetype last = mark.isEmpty() ? -1 : text.lastIndexOf(mark);
    const qsizetype at = last >= 0 ? last + mark.size() : text.lastIndexOf(endTag);
    if (at < 0)
        throw SpreadsheetError(QStringLiteral("Não foi possível exportar para o Excel: o pacote gerado está incompleto."));
    return text.insert(at, insert);
}

// The shared strings part, where the library would have put it.
void addStrings(XlsxPackageRewrite& rewrite, const XlsxSharedStrings& strings)
{
    rewrite.replace("[Content_Types].xml", [](const QByteArray& text) {
        return XlsxPackageRewrite::whole(
            inserted(text, "spreadsheetml.worksheet+xml\"/>", "</Types>",
                     "<Override PartName=\"/xl/sharedStrings.xml\" "
                     "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>"));
    });
    rewrite.replace("xl/_rels/workbook.xml.rels", [](const QByteArray& text) {
        const QByteArray id = QByteArray::number(text.count("<Relationship ") + 1);
        return XlsxPackageRewrite::whole(inserted(
            text, {}, "</Relationships>",
            "<Relationship Id=\"rId" + id
                + "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" "
                  "Target=\"sharedStrings.xml\"/>"));
    });
    rewrite.add("xl/sharedStrings.xml", XlsxPackageRewrite::whole(QByteArray::fromStdString(strings.xml())),
                "xl/workbook.xml");
}

// The library's package, copied with the cells written apart in it.
void putCells(OwnCells& apart, const QString& from, const QString& to)
{
    XlsxPackageRewrite rewrite;
    for (std::size_t i = 0; i < apart.sheets.size(); ++i) {
        rewrite.replace("xl/worksheets/sheet" + std::to_string(i + 1) + ".xml",
                        [&apart, i](const QByteArray& part) { return spliceCells(part, apart.sheets[i]); });
    }
    if (!apart.strings.empty())
        addStrings(rewrite, apart.strings);
    rewrite.run(from, to);
}

void replaceTarget(QTemporaryFile& temporary, const QString& path)
{
    const QFileInfo existing(path);
    temporary.setPermissions(existing.exists() ? existing.permissions()
                                               : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temporary.fileName()).toStdString(),
                            QFile::encodeName(existing.absoluteFilePath()).toStdString(), error);
    if (error) {
        throw SpreadsheetError(QStringLiteral("Não foi possível gravar \"%1\": %2")
                                   .arg(path, QString::fromLocal8Bit(error.message().c_str())));
    }
    temporary.setAutoRemove(false);
}

}  // namespace

void XlsxWriter::write(const Workbook& workbook, const QString& path, const PrintSettings& print, Cells cells)
{
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        throw SpreadsheetError(QStringLiteral("Não foi possível gravar \"%1\": %2").arg(path, temporary.errorString()));
    }
    temporary.close();
    // The sheets' cells are most of a large file, and the library writes
    // them a cell at a time on one core: they are written apart, on every
    // core, and put in the package the library makes.
    const bool own = cells == Cells::Fastest && writesOwnCells(workbook);
    QTemporaryFile library(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (own && !library.open()) {
        throw SpreadsheetError(QStringLiteral("Não foi possível gravar \"%1\": %2").arg(path, library.errorString()));
    }
    library.close();
    WorkbookHandle handle(workbook_new(QFile::encodeName((own ? library : temporary).fileName()).constData()));
    if (!handle) {
        throw SpreadsheetError(QStringLiteral("Não foi possível gravar \"%1\".").arg(path));
    }
    OwnCells apart;
    writeWorkbook(handle.get(), workbook, print, own ? &apart : nullptr);
    check(workbook_close(handle.release()), path);
    if (own)
        putCells(apart, library.fileName(), temporary.fileName());
    replaceTarget(temporary, path);
}

}  // namespace spreadsheet::io

// libxlsxwriter compresses every part at zlib's default level and has no
// setting for it, and a large report spends a quarter of its writing time
// there. This definition stands before minizip's in the program and hands
// the call on with zlib's fastest level: the write of a 50,000-employee
// report takes about 0.3 s less, for a file a third larger. The signature
// is minizip 1.1's, which libxlsxwriter calls for each part it stores.
extern "C" int zipOpenNewFileInZip4_64(void* file, const char* filename, const void* zipfi,
                                       const void* extrafield_local, unsigned size_extrafield_local,
                                       const void* extrafield_global, unsigned size_extrafield_global,
                                       const char* comment, int method, int level, int raw, int windowBits,
                                       int memLevel, int strategy, const char* password, unsigned long crcForCrypting,
                                       unsigned long versionMadeBy, unsigned long flagBase, int zip64)
{
    using Open = int (*)(void*, const char*, const void*, const void*, unsigned, const void*, unsigned, const char*,
                         int, int, int, int, int, int, const char*, unsigned long, unsigned long, unsigned long, int);
    static const auto minizip = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "zipOpenNewFileInZip4_64"));
    constexpr int kZipInternalError = -104;
    if (!minizip)
        return kZipInternalError;
    constexpr int kDeflated = 8;
    constexpr int kFastest = 1;
    const int nivel = method == kDeflated && level != 0 ? kFastest : level;
    return minizip(file, filename, zipfi, extrafield_local, size_extrafield_local, extrafield_global,
                   size_extrafield_global, comment, method, nivel, raw, windowBits, memLevel, strategy, password,
                   crcForCrypting, versionMadeBy, flagBase, zip64);
}
