#include <spreadsheet/DefinedName.h>

#include <spreadsheet/Reference.h>
#include <spreadsheet/Workbook.h>

namespace spreadsheet {

namespace {

// Splits at ';' and ',' outside quoted sheet names.
std::vector<QStringView> splitAreas(QStringView text)
{
    std::vector<QStringView> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\'') {
            quoted = !quoted;
        } else if (!quoted && (text[i] == u';' || text[i] == u',')) {
            parts.push_back(text.mid(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.mid(start));
    return parts;
}

}  // namespace

std::vector<DefinedName::Area> DefinedName::areas(const Workbook& workbook) const
{
    std::vector<Area> result;
    QStringView text = QStringView(reference).trimmed();
    if (text.startsWith(u'=')) {
        text = text.mid(1);
    }
    for (QStringView part : splitAreas(text)) {
        ParsedReference parsed;
        if (!parseReference(part, parsed)) {
            continue;
        }
        Sheet* sheet = nullptr;
        if (parsed.sheetName.isEmpty()) {
            sheet = workbook.sheetCount() > 0 ? &workbook.activeSheet() : nullptr;
        } else {
            sheet = workbook.findSheet(parsed.sheetName);
        }
        if (sheet) {
            result.push_back({sheet, parsed.range});
        }
    }
    return result;
}

}  // namespace spreadsheet
