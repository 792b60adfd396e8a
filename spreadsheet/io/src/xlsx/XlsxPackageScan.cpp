#include "XlsxPackageScan.h"

#include <spreadsheet/CellRange.h>

#include <orcus/sax_parser.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <array>
#include <charconv>
#include <map>
#include <optional>
#include <string>

namespace spreadsheet::io {

namespace {

using Attributes = std::vector<std::pair<std::string, std::string>>;

std::string_view find(const Attributes& attributes, std::string_view name)
{
    for (const auto& [key, value] : attributes) {
        if (key == name) {
            return value;
        }
    }
    return {};
}

bool isTrue(std::string_view value)
{
    return value == "1" || value == "true";
}

std::optional<int> number(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "B7" to (6, 1); nothing for anything else.
std::optional<std::pair<int, int>> cellAddress(std::string_view a1)
{
    std::size_t i = 0;
    long long column = 0;
    while (i < a1.size() && a1[i] >= 'A' && a1[i] <= 'Z' && column <= kMaxColumns) {
        column = column * 26 + (a1[i++] - 'A' + 1);
    }
    const std::optional<int> row = number(a1.substr(i));
    if (i == 0 || column > kMaxColumns || !row || *row < 1 || *row > kMaxRows) {
        return std::nullopt;
    }
    return std::make_pair(*row - 1, static_cast<int>(column - 1));
}

// Hands each element to a visitor with its attributes by local name.
template <typename Visitor>
class ElementReader : public orcus::sax_handler {
public:
    explicit ElementReader(Visitor& visitor) : visitor_(visitor) {}

    void end_declaration(std::string_view) { attributes_.clear(); }
    void attribute(const orcus::sax::parser_attribute& attribute)
    {
        attributes_.emplace_back(std::string(attribute.name), std::string(attribute.value));
    }
    void start_element(const orcus::sax::parser_element& element)
    {
        visitor_.open(element.name, attributes_);
        attributes_.clear();
    }
    void end_element(const orcus::sax::parser_element& element) { visitor_.close(element.name); }
    void characters(std::string_view text, bool) { visitor_.text(text); }

private:
    Visitor& visitor_;
    Attributes attributes_;
};

class Package {
public:
    explicit Package(const QByteArray& bytes)
        : stream_(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
          archive_(&stream_)
    {
        archive_.load();
    }

    template <typename Visitor>
    void read(std::string_view part, Visitor& visitor) const
    {
        std::vector<unsigned char> buffer;
        if (!archive_.read_file_entry(part, buffer)) {
            return;
        }
        ElementReader<Visitor> reader(visitor);
        orcus::sax_parser<ElementReader<Visitor>> parser(reinterpret_cast<const char*>(buffer.data()), buffer.size(),
                                                         reader);
        parser.parse();
    }

private:
    orcus::zip_archive_stream_blob stream_;
    orcus::zip_archive archive_;
};

struct SheetListVisitor {
    std::vector<std::string> relationIds;
    bool dates1904 = false;
    void open(std::string_view name, const Attributes& attributes)
    {
        if (name == "sheet") {
            relationIds.emplace_back(find(attributes, "id"));
        } else if (name == "workbookPr") {
            dates1904 = isTrue(find(attributes, "date1904"));
        }
    }
    void close(std::string_view) {}
    void text(std::string_view) {}
};

struct RelationsVisitor {
    std::map<std::string, std::string, std::less<>> targets;
    void open(std::string_view name, const Attributes& attributes)
    {
        if (name == "Relationship") {
            targets[std::string(find(attributes, "Id"))] = std::string(find(attributes, "Target"));
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

struct SheetVisitor {
    XlsxSheetExtras extras;
    std::string cell;
    std::string type;
    std::string value;
    bool hasFormula = false;
    bool inValue = false;

    void open(std::string_view name, const Attributes& attributes)
    {
        if (name == "row") {
            openRow(attributes);
        } else if (name == "col") {
            openColumns(attributes);
        } else if (name == "c") {
            cell = find(attributes, "r");
            type = find(attributes, "t");
            value.clear();
            hasFormula = false;
        } else if (name == "f") {
            hasFormula = true;
        } else if (name == "v") {
            inValue = true;
        }
    }
    void openRow(const Attributes& attributes)
    {
        const std::optional<int> row = number(find(attributes, "r"));
        if (row && *row >= 1 && *row <= kMaxRows && isTrue(find(attributes, "hidden"))) {
            extras.hiddenRows.push_back(*row - 1);
        }
    }
    void openColumns(const Attributes& attributes)
    {
        const std::optional<int> first = number(find(attributes, "min"));
        const std::optional<int> last = number(find(attributes, "max"));
        const bool valid = first && last && *first >= 1 && *first <= *last && *last <= kMaxColumns;
        if (valid && isTrue(find(attributes, "hidden"))) {
            extras.hiddenColumns.emplace_back(*first - 1, *last - 1);
        }
    }
    void close(std::string_view name)
    {
        if (name == "v") {
            inValue = false;
        } else if (name == "c" && hasFormula) {
            keepResult();
        }
    }
    void keepResult()
    {
        const std::optional<std::pair<int, int>> at = cellAddress(cell);
        ErrorCode code;
        if (at && type == "b") {
            extras.formulaResults[*at] = Value::boolean(isTrue(value));
        } else if (at && type == "e" && parseErrorText(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())), code)) {
            extras.formulaResults[*at] = Value::error(code);
        }
    }
    void text(std::string_view text)
    {
        if (inValue) {
            value += text;
        }
    }
};

// Targets are relative to the workbook part's folder, or absolute in the package.
std::string sheetPart(const std::string& target)
{
    return target.starts_with('/') ? target.substr(1) : "xl/" + target;
}

}  // namespace

XlsxPackageScan::XlsxPackageScan(const QByteArray& bytes)
{
    try {
        const Package package(bytes);
        SheetListVisitor list;
        package.read("xl/workbook.xml", list);
        dates1904_ = list.dates1904;
        RelationsVisitor relations;
        package.read("xl/_rels/workbook.xml.rels", relations);
        for (const std::string& id : list.relationIds) {
            SheetVisitor sheet;
            const auto target = relations.targets.find(id);
            if (target != relations.targets.end()) {
                package.read(sheetPart(target->second), sheet);
            }
            sheets_.push_back(std::move(sheet.extras));
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
