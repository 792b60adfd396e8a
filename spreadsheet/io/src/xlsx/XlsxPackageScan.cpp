#include "XlsxPackageScan.h"

#include "XlsxFormattingPackage.h"
#include "XlsxRowTag.h"
#include "XlsxSheetData.h"
#include "XlsxSheetPieces.h"

#include "Slices.h"

#include <spreadsheet/io/FileFormatError.h>

#include <spreadsheet/CellRange.h>
#include <spreadsheet/Limits.h>
#include <spreadsheet/Reference.h>

#include <orcus/exception.hpp>

#include <algorithm>
#include <array>
#include <deque>
#include <iterator>
#include <map>
#include <optional>
#include <string>

namespace spreadsheet::io {

namespace {

using xml::Attributes;
using xml::find;
using xml::isTrue;

constexpr auto number = xml::whole<int>;
constexpr auto decimal = xml::whole<double>;

// An attribute that is there equals `on`; one that is absent says nothing.
std::optional<bool> present(std::string_view value, std::string_view on)
{
    return value.empty() ? std::nullopt : std::optional<bool>(value == on);
}

std::optional<bool> flag(std::string_view value)
{
    return value.empty() ? std::nullopt : std::optional<bool>(isTrue(value));
}

std::optional<bool> negated(std::string_view value)
{
    const std::optional<bool> on = flag(value);
    return on ? std::optional<bool>(!*on) : std::nullopt;
}

// The first area of a list such as "D4:F6 A1".
std::optional<CellRange> firstArea(std::string_view list)
{
    const QString text = xml::text(list.substr(0, list.find(' ')));
    ParsedReference parsed;
    return !text.isEmpty() && parseReference(text, parsed) && parsed.sheetName.isEmpty() ? std::optional(parsed.range)
                                                                                          : std::nullopt;
}

struct SheetListVisitor {
    std::vector<std::string> relationIds;
    std::vector<QString> names;
    std::vector<XlsxDefinedName> definedNames;
    bool dates1904 = false;
    bool calculateOnLoad = false;
    XlsxWorkbookFacts facts;
    bool inName = false;
    std::string nameText;
    void open(std::string_view name, const Attributes& attributes)
    {
        if (name == "sheet") {
            relationIds.emplace_back(find(attributes, "id"));
            names.push_back(decodeEscapes(xml::text(find(attributes, "name"))));
        } else if (name == "workbookPr") {
            dates1904 = isTrue(find(attributes, "date1904"));
        } else if (name == "calcPr") {
            calculateOnLoad = isTrue(find(attributes, "fullCalcOnLoad"));
            facts.manualCalculation = present(find(attributes, "calcMode"), "manual");
            facts.r1c1 = present(find(attributes, "refMode"), "R1C1");
        } else if (name == "workbookView") {
            facts.tabsHidden = negated(find(attributes, "showSheetTabs"));
        } else if (name == "definedName") {
            const std::optional<int> sheet = number(find(attributes, "localSheetId"));
            definedNames.push_back({xml::text(find(attributes, "name")), QString(), sheet ? *sheet : -1});
            inName = true;
            nameText.clear();
        }
    }
    void close(std::string_view name)
    {
        if (name == "definedName" && inName) {
            definedNames.back().reference = xml::text(nameText);
            inName = false;
        }
    }
    void text(std::string_view text)
    {
        if (inName) {
            nameText += text;
        }
    }
};

struct RelationsVisitor {
    std::map<std::string, std::string, std::less<>> targets;
    std::string sharedStrings;
    void open(std::string_view name, const Attributes& attributes)
    {
        if (name == "Relationship") {
            targets[std::string(find(attributes, "Id"))] = std::string(find(attributes, "Target"));
            if (find(attributes, "Type").ends_with("/sharedStrings")) {
                sharedStrings = find(attributes, "Target");
            }
        }
    }
    void close(std::string_view) {}
    void text(std::string_view) {}
};

struct AlignmentName {
    std::string_view name;
    HorizontalAlignment alignment;
};

// Centring across a selection is shown centred in its own cell.
constexpr std::array<AlignmentName, 7> kAlignments{{
    {"left", HorizontalAlignment::Left},
    {"center", HorizontalAlignment::Center},
    {"centerContinuous", HorizontalAlignment::Center},
    {"right", HorizontalAlignment::Right},
    {"fill", HorizontalAlignment::Fill},
    {"justify", HorizontalAlignment::Justify},
    {"distributed", HorizontalAlignment::Distributed},
}};

HorizontalAlignment alignment(std::string_view name)
{
    for (const AlignmentName& a : kAlignments) {
        if (a.name == name) {
            return a.alignment;
        }
    }
    return HorizontalAlignment::General;
}

struct VerticalName {
    std::string_view name;
    VerticalAlignment alignment;
};

// Justified and distributed text fills its cell from the top down, so it
// is read as top aligned.
constexpr std::array<VerticalName, 4> kVerticals{{
    {"top", VerticalAlignment::Top},
    {"center", VerticalAlignment::Center},
    {"justify", VerticalAlignment::Top},
    {"distributed", VerticalAlignment::Top},
}};

VerticalAlignment vertical(std::string_view name)
{
    for (const VerticalName& v : kVerticals) {
        if (v.name == name) {
            return v.alignment;
        }
    }
    return VerticalAlignment::Bottom;
}

// Excel itself holds at most 64,000 cell formats; a styles part with more is
// refused before liborcus builds its own tables of them.
constexpr std::size_t kMaxCellFormats = limits::kStyles;

struct StylesVisitor {
    std::vector<XlsxFormatFacts> formats;
    std::vector<XlsxFontFacts> fonts;
    bool inCellFormats = false;
    bool inFonts = false;
    void open(std::string_view name, const Attributes& attributes)
    {
        if (name == "fonts") {
            inFonts = true;
        } else if (inFonts && name == "font") {
            if (fonts.size() == kMaxCellFormats) {
                throw FileFormatError(QStringLiteral("O arquivo xlsx tem mais de %1 fontes.").arg(kMaxCellFormats));
            }
            fonts.emplace_back();
        } else if (inFonts && name == "strike" && !fonts.empty()) {
            const std::string_view value = find(attributes, "val");
            fonts.back().struckOut = value.empty() || isTrue(value);
        } else if (inFonts && (name == "b" || name == "i") && !fonts.empty()) {
            const std::string_view value = find(attributes, "val");
            (name == "b" ? fonts.back().bold : fonts.back().italic) = value.empty() || isTrue(value);
        } else if (inFonts && name == "u" && !fonts.empty()) {
            fonts.back().underlined = find(attributes, "val") != "none";
        } else if (name == "cellXfs") {
            inCellFormats = true;
        } else if (inCellFormats && name == "xf") {
            if (formats.size() == kMaxCellFormats) {
                throw FileFormatError(QStringLiteral("O arquivo xlsx tem mais de %1 formatos de célula.").arg(kMaxCellFormats));
            }
            formats.emplace_back();
        } else if (inCellFormats && name == "protection" && !formats.empty()) {
            const std::string_view value = find(attributes, "locked");
            formats.back().locked = value.empty() || isTrue(value);
        } else if (inCellFormats && name == "alignment" && !formats.empty()) {
            formats.back().alignment = alignment(find(attributes, "horizontal"));
            formats.back().vertical = vertical(find(attributes, "vertical"));
            formats.back().wrap = isTrue(find(attributes, "wrapText"));
        }
    }
    void close(std::string_view name)
    {
        inCellFormats = inCellFormats && name != "cellXfs";
        inFonts = inFonts && name != "fonts";
    }
    void text(std::string_view) {}
};

// The view, the breaks and the page setup of a sheet.
struct PageVisitor {
    XlsxViewFacts view;
    XlsxPageFacts page;
    std::vector<int> pageBreaks;
    bool inRowBreaks = false;
    QString* headerText = nullptr;
    bool openedView = false;

    void open(std::string_view name, const Attributes& attributes)
    {
        if (name == "sheetView" && !openedView) {
            openedView = true;
            view.gridLines = flag(find(attributes, "showGridLines"));
            view.headers = flag(find(attributes, "showRowColHeaders"));
            view.formulas = flag(find(attributes, "showFormulas"));
        } else if (name == "selection" && !view.selection) {
            view.selection = firstArea(find(attributes, "sqref"));
        } else if (name == "rowBreaks") {
            inRowBreaks = true;
        } else if (name == "brk" && inRowBreaks) {
            const std::optional<int> row = number(find(attributes, "id"));
            if (row && *row > 0 && *row < kMaxRows) {
                pageBreaks.push_back(*row);
            }
        } else if (name == "pageSetUpPr") {
            page.fitToPage = isTrue(find(attributes, "fitToPage"));
        } else if (name == "pageMargins") {
            openMargins(attributes);
        } else if (name == "pageSetup") {
            openPageSetup(attributes);
        } else if (name == "printOptions") {
            page.gridLines = isTrue(find(attributes, "gridLines"));
            page.headings = isTrue(find(attributes, "headings"));
            page.centerHorizontally = isTrue(find(attributes, "horizontalCentered"));
            page.centerVertically = isTrue(find(attributes, "verticalCentered"));
        } else if (name == "oddHeader") {
            headerText = &page.oddHeader;
        } else if (name == "oddFooter") {
            headerText = &page.oddFooter;
        }
    }
    void openMargins(const Attributes& attributes)
    {
        page.left = decimal(find(attributes, "left"));
        page.right = decimal(find(attributes, "right"));
        page.top = decimal(find(attributes, "top"));
        page.bottom = decimal(find(attributes, "bottom"));
        page.header = decimal(find(attributes, "header"));
        page.footer = decimal(find(attributes, "footer"));
    }
    void openPageSetup(const Attributes& attributes)
    {
        page.paper = number(find(attributes, "paperSize"));
        page.scale = number(find(attributes, "scale"));
        page.fitWidth = number(find(attributes, "fitToWidth"));
        page.fitHeight = number(find(attributes, "fitToHeight"));
        page.landscape = find(attributes, "orientation") == "landscape";
        if (isTrue(find(attributes, "useFirstPageNumber"))) {
            page.firstPage = number(find(attributes, "firstPageNumber"));
        }
    }
    void close(std::string_view name)
    {
        inRowBreaks = inRowBreaks && name != "rowBreaks";
        if (name == "oddHeader" || name == "oddFooter") {
            headerText = nullptr;
        }
    }
    void text(std::string_view text)
    {
        if (headerText) {
            *headerText += xml::text(text);
        }
    }
};

// Hidden lines and the heights of plain rows here, cells and merges in the
// cells visitor.
struct SheetVisitor {
    XlsxCellsVisitor cells;
    PageVisitor page;
    std::vector<int> hiddenRows;
    std::vector<std::pair<int, double>> rowHeights;
    std::vector<std::pair<int, int>> hiddenColumns;

    explicit SheetVisitor(const std::vector<QString>& strings) : cells(strings) {}
    void open(std::string_view name, const Attributes& attributes)
    {
        if (name == "row") {
            openRow(attributes);
        } else if (name == "col") {
            openColumns(attributes);
        }
        page.open(name, attributes);
        cells.open(name, attributes);
    }
    void openRow(const Attributes& attributes)
    {
        const std::optional<int> row = number(find(attributes, "r"));
        if (row && *row >= 1 && *row <= kMaxRows && isTrue(find(attributes, "hidden"))) {
            hiddenRows.push_back(*row - 1);
        }
        if (const std::optional<XlsxRowTag> tag = XlsxRowTag::plain(attributes); tag && tag->height) {
            rowHeights.emplace_back(tag->row, *tag->height);
        }
    }
    void openColumns(const Attributes& attributes)
    {
        const std::optional<int> first = number(find(attributes, "min"));
        const std::optional<int> last = number(find(attributes, "max"));
        const bool valid = first && last && *first >= 1 && *first <= *last && *last <= kMaxColumns;
        if (valid && isTrue(find(attributes, "hidden"))) {
            hiddenColumns.emplace_back(*first - 1, *last - 1);
        }
    }
    void close(std::string_view name)
    {
        page.close(name);
        cells.close(name);
    }
    void text(std::string_view text)
    {
        page.text(text);
        cells.text(text);
    }
};

// Custom document properties: a name, then its value in a typed element.
struct PropertiesVisitor {
    std::map<QString, QString> properties;
    QString name;
    bool inText = false;
    void open(std::string_view element, const Attributes& attributes)
    {
        if (element == "property") {
            name = xml::text(find(attributes, "name"));
        } else if (element == "lpwstr" && !name.isEmpty()) {
            inText = true;
            properties[name].clear();
        }
    }
    void close(std::string_view element)
    {
        inText = inText && element != "lpwstr";
        if (element == "property") {
            name.clear();
        }
    }
    void text(std::string_view text)
    {
        if (inText) {
            properties[name] += xml::text(text);
        }
    }
};

// Targets are relative to the workbook part's folder, or absolute in the package.
std::string sheetPart(const std::string& target)
{
    return target.starts_with('/') ? target.substr(1) : "xl/" + target;
}

// A sheet of many rows is parsed on every core: the part without its rows
// on this thread, then the rows in pieces, whose cells and hidden rows
// follow in the order of the part.
void readSheet(const xml::Package& package, SheetVisitor& sheet, XlsxSheetExtras& extras,
               const std::vector<QString>& strings)
{
    constexpr std::size_t kPieceBytes = 1 << 20;
    std::vector<unsigned char> buffer;
    if (!package.loadUnchecked(extras.part, buffer)) {
        return;
    }
    const std::string_view utf8(reinterpret_cast<const char*>(buffer.data()), buffer.size());
    extras.rowsOnly = XlsxFormattingPackage::withoutCells(utf8);
    const std::string& part = extras.part;
    XlsxCellPieces& cells = extras.cells;
    const Slices cores(utf8.size(), kPieceBytes);
    const std::optional<XlsxSheetPieces> pieces = XlsxSheetPieces::cut(utf8, cores.count());
    if (!pieces) {
        xml::Package::checkText(part, utf8);
        xml::Package::parse(part, utf8, sheet);
        cells.push_back(std::move(sheet.cells.cells));
        return;
    }
    std::vector<unsigned char>().swap(buffer);
    xml::Package::checkText(part, pieces->outer());
    xml::Package::parse(part, pieces->outer(), sheet);
    std::deque<SheetVisitor> rows;
    for (std::size_t i = 0; i < pieces->count(); ++i) {
        rows.emplace_back(strings);
    }
    Slices(pieces->count(), 1).run([&](std::size_t, std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            xml::Package::checkText(part, pieces->piece(i));
            xml::Package::parse(part, pieces->piece(i), rows[i]);
        }
    });
    cells.push_back(std::move(sheet.cells.cells));
    for (SheetVisitor& piece : rows) {
        cells.push_back(std::move(piece.cells.cells));
        sheet.hiddenRows.insert(sheet.hiddenRows.end(), piece.hiddenRows.begin(), piece.hiddenRows.end());
        sheet.rowHeights.insert(sheet.rowHeights.end(), piece.rowHeights.begin(), piece.rowHeights.end());
    }
}

std::string sharedStringsPart(const RelationsVisitor& relations)
{
    return relations.sharedStrings.empty() ? std::string("xl/sharedStrings.xml") : sheetPart(relations.sharedStrings);
}

}  // namespace

XlsxPackageScan::XlsxPackageScan(const QByteArray& bytes)
{
    try {
        const xml::Package package(bytes);
        SheetListVisitor list;
        package.read("xl/workbook.xml", list);
        dates1904_ = list.dates1904;
        calculateOnLoad_ = list.calculateOnLoad;
        names_ = std::move(list.definedNames);
        workbook_ = list.facts;
        RelationsVisitor relations;
        package.read("xl/_rels/workbook.xml.rels", relations);
        absoluteTargets_ = std::any_of(relations.targets.begin(), relations.targets.end(),
                                       [](const auto& target) { return target.second.starts_with('/'); });
        XlsxSharedStringsVisitor strings;
        package.read(sharedStringsPart(relations), strings);
        for (std::size_t i = 0; i < list.relationIds.size(); ++i) {
            SheetVisitor sheet(strings.strings);
            XlsxSheetExtras extras;
            const auto target = relations.targets.find(list.relationIds[i]);
            if (target != relations.targets.end()) {
                extras.part = sheetPart(target->second);
                readSheet(package, sheet, extras, strings.strings);
            }
            extras.name = list.names[i];
            extras.hiddenRows = std::move(sheet.hiddenRows);
            extras.rowHeights = std::move(sheet.rowHeights);
            extras.hiddenColumns = std::move(sheet.hiddenColumns);
            extras.merges = std::move(sheet.cells.merges);
            extras.pageBreaks = std::move(sheet.page.pageBreaks);
            extras.view = sheet.page.view;
            extras.page = sheet.page.page;
            sheets_.push_back(std::move(extras));
        }
        StylesVisitor styles;
        package.read("xl/styles.xml", styles);
        formats_ = std::move(styles.formats);
        fonts_ = std::move(styles.fonts);
        PropertiesVisitor properties;
        package.read("docProps/custom.xml", properties);
        properties_ = std::move(properties.properties);
        package.checkOtherParts();
    } catch (const orcus::general_error& e) {
        throw FileFormatError(QStringLiteral("O arquivo xlsx não pôde ser lido (%1).").arg(QString::fromUtf8(e.what())));
    }
}

}  // namespace spreadsheet::io
