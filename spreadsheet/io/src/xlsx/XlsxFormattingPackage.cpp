#include "XlsxFormattingPackage.h"

#include "XlsxPackageRewrite.h"
#include "XlsxPackageScan.h"
#include "XlsxRelativeTargets.h"
#include "XlsxRowTag.h"
#include "XlsxXml.h"

#include <spreadsheet/SpreadsheetError.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>

namespace spreadsheet::io {

namespace {

constexpr char kWorkbookRelations[] = "xl/_rels/workbook.xml.rels";
constexpr std::string_view kWorkbookFolder = "xl/";

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

using xml::isSpace;

// Searched by the last character, which is rare in a sheet ('w', '?',
// '!'): a search from each '<' would stop at every tag of every cell.
std::size_t search(std::string_view text, std::string_view what, std::size_t from)
{
    const char last = what.back();
    for (std::size_t at = from + what.size() - 1; at < text.size(); ++at) {
        const void* found = std::memchr(text.data() + at, last, text.size() - at);
        if (!found) {
            break;
        }
        at = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        const std::size_t start = at + 1 - what.size();
        if (text.substr(start, what.size()) == what) {
            return start;
        }
    }
    return std::string_view::npos;
}

// Where the row whose start tag ends at `tagEnd` closes: its "</row>".
std::size_t rowEnd(std::string_view part, std::size_t tagEnd)
{
    for (std::size_t end = search(part, "</row", tagEnd); end != std::string_view::npos;
         end = search(part, "</row", end + 5)) {
        std::size_t after = end + 5;
        while (after < part.size() && isSpace(part[after]))
            ++after;
        if (after < part.size() && part[after] == '>')
            return end;
    }
    return std::string_view::npos;
}

}  // namespace

// A row holds nothing but its cells (and extensions no reader uses): a row
// whose tag says no more than the scan reads goes whole; any other keeps its
// own tag and its end, with its style.
std::optional<std::string> XlsxFormattingPackage::withoutCells(std::string_view part)
{
    const std::size_t body = part.starts_with("<?") ? part.find("?>") : 0;
    if (body == std::string_view::npos || search(part, "<?", body) != std::string_view::npos
        || search(part, "<!", 0) != std::string_view::npos) {
        return std::nullopt;
    }
    std::string rows;
    std::size_t done = 0;
    for (std::size_t at = search(part, "<row", body); at != std::string_view::npos; at = search(part, "<row", at)) {
        const char next = at + 4 < part.size() ? part[at + 4] : '\0';
        const std::size_t tagEnd = part.find('>', at);
        if (tagEnd == std::string_view::npos) {
            return std::nullopt;
        }
        if (!isSpace(next) && next != '>' && next != '/') {
            at = tagEnd;  // <rowBreaks>
            continue;
        }
        const bool empty = part[tagEnd - 1] == '/';
        const std::size_t end = empty ? tagEnd : rowEnd(part, tagEnd);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        const std::size_t attributesEnd = empty ? tagEnd - 1 : tagEnd;
        if (XlsxRowTag::plain(part.substr(at + 4, attributesEnd - at - 4))) {
            rows.append(part.substr(done, at - done));
            done = at = part.find('>', end) + 1;
        } else if (empty) {
            at = tagEnd;
        } else {
            rows.append(part.substr(done, tagEnd + 1 - done));
            done = at = end;
        }
    }
    rows.append(part.substr(done));
    return rows;
}

QByteArray XlsxFormattingPackage::make(const QByteArray& bytes, const XlsxPackageScan& scan)
{
    const auto& sheets = scan.sheets();
    const auto hasRows = [](const XlsxSheetExtras& sheet) { return sheet.rowsOnly.has_value(); };
    const bool cellsToDrop = std::any_of(sheets.begin(), sheets.end(), hasRows);
    if (!cellsToDrop && !scan.namesPartsAbsolutely()) {
        return bytes;  // nothing to change: no copy on disk
    }
    QTemporaryDir folder;
    const QString from = folder.filePath(QStringLiteral("original.xlsx"));
    const QString to = folder.filePath(QStringLiteral("formatos.xlsx"));
    if (!folder.isValid() || !writeFile(from, bytes)) {
        return bytes;
    }
    XlsxPackageRewrite rewrite;
    for (const XlsxSheetExtras& sheet : sheets) {
        if (sheet.rowsOnly) {
            rewrite.put(sheet.part, {DeflatePieces::deflate(*sheet.rowsOnly, true)});
        }
    }
    if (scan.namesPartsAbsolutely()) {
        rewrite.replace(kWorkbookRelations, [](const QByteArray& text) {
            return XlsxPackageRewrite::whole(XlsxRelativeTargets::relations(text, kWorkbookFolder));
        });
    }
    try {
        rewrite.run(from, to);
    } catch (const SpreadsheetError&) {
        return bytes;
    }
    QFile copy(to);
    return copy.open(QIODevice::ReadOnly) ? copy.readAll() : bytes;
}

}  // namespace spreadsheet::io
