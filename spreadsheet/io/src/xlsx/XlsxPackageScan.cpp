#include "XlsxPackageScan.h"

#include "XlsxSheetData.h"

#include <spreadsheet/CellRange.h>

#include <array>
#include <charconv>
#include <map>
#include <optional>
#include <string>

namespace spreadsheet::io {

namespace {

using xml::Attributes;
using xml::find;
using xml::isTrue;

std::optional<int> number(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

struct SheetListVisitor {
    std::vector<std::string> relationIds;
    std::vector<QString> names;
    std::vector<XlsxDefinedName> definedNames;
    bool dates1904 = false;
    bool calculateOnLoad = false;
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

struct StylesVisitor {
    std::vector<XlsxFormatFacts> formats;
    std::vector<XlsxFontLines> fonts;
    bool inCellFormats = false;
    bool inFonts = false;
    void open(std::string_view name, const Attributes& attributes)
    {
        if (name == "fonts") {
            inFonts = true;
        } else if (inFonts && name == "font") {
            fonts.emplace_back();
        } else if (inFonts && name == "strike" && !fonts.empty()) {
            const std::string_view value = find(attributes, "val");
            fonts.back().struckOut = value.empty() || isTrue(value);
        } else if (inFonts && name == "u" && !fonts.empty()) {
            fonts.back().underlined = find(attributes, "val") != "none";
        } else if (name == "cellXfs") {
            inCellFormats = true;
        } else if (inCellFormats && name == "xf") {
            formats.emplace_back();
        } else if (inCellFormats && name == "protection" && !formats.empty()) {
            const std::string_view value = find(attributes, "locked");
            formats.back().locked = value.empty() || isTrue(value);
        } else if (inCellFormats && name == "alignment" && !formats.empty()) {
            formats.back().alignment = alignment(find(attributes, "horizontal"));
        }
    }
    void close(std::string_view name)
    {
        inCellFormats = inCellFormats && name != "cellXfs";
        inFonts = inFonts && name != "fonts";
    }
    void text(std::string_view) {}
};

// Hidden lines here, cells and merges in the cells visitor.
struct SheetVisitor {
    XlsxCellsVisitor cells;
    std::vector<int> hiddenRows;
    std::vector<std::pair<int, int>> hiddenColumns;

    explicit SheetVisitor(const std::vector<QString>& strings) : cells(strings) {}
    void open(std::string_view name, const Attributes& attributes)
    {
        if (name == "row") {
            openRow(attributes);
        } else if (name == "col") {
            openColumns(attributes);
        }
        cells.open(name, attributes);
    }
    void openRow(const Attributes& attributes)
    {
        const std::optional<int> row = number(find(attributes, "r"));
        if (row && *row >= 1 && *row <= kMaxRows && isTrue(find(attributes, "hidden"))) {
            hiddenRows.push_back(*row - 1);
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
    void close(std::string_view name) { cells.close(name); }
    void text(std::string_view text) { cells.text(text); }
};

// Targets are relative to the workbook part's folder, or absolute in the package.
std::string sheetPart(const std::string& target)
{
    return target.starts_with('/') ? target.substr(1) : "xl/" + target;
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
        RelationsVisitor relations;
        package.read("xl/_rels/workbook.xml.rels", relations);
        XlsxSharedStringsVisitor strings;
        package.read(sharedStringsPart(relations), strings);
        for (std::size_t i = 0; i < list.relationIds.size(); ++i) {
            SheetVisitor sheet(strings.strings);
            const auto target = relations.targets.find(list.relationIds[i]);
            if (target != relations.targets.end()) {
                package.read(sheetPart(target->second), sheet);
            }
            sheets_.push_back({list.names[i], std::move(sheet.hiddenRows), std::move(sheet.hiddenColumns),
                               std::move(sheet.cells.cells), std::move(sheet.cells.merges)});
        }
        StylesVisitor styles;
        package.read("xl/styles.xml", styles);
        formats_ = std::move(styles.formats);
        fonts_ = std::move(styles.fonts);
    } catch (const std::exception&) {
        // Whatever was gathered before the failure stands.
    }
}

}  // namespace spreadsheet::io
