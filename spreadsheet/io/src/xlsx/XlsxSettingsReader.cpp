#include "XlsxSettingsReader.h"

#include "XlsxPageSetup.h"

#include <spreadsheet/io/ImportSink.h>

namespace spreadsheet::io {

namespace {

// `excelDefault`: what Excel does when the attribute is absent.
TriState merged(std::optional<bool> markup, TriState own, bool excelDefault)
{
    if (!markup) {
        return own;
    }
    const bool ownEffect = own == TriState::Default ? excelDefault : own == TriState::On;
    return ownEffect == *markup ? own : (*markup ? TriState::On : TriState::Off);
}

bool isPrintArea(const XlsxDefinedName& name)
{
    return name.name.compare(QLatin1String("_xlnm.Print_Area"), Qt::CaseInsensitive) == 0;
}

}  // namespace

XlsxSettingsReader::XlsxSettingsReader(const XlsxPackageScan& scan)
    : scan_(scan), own_(XlsxOwnProperties::read(scan.properties()))
{
}

const XlsxOwnSheetSettings* XlsxSettingsReader::own(std::size_t sheet) const
{
    if (!own_ || sheet >= scan_.sheets().size()) {
        return nullptr;
    }
    const auto found = own_->sheets.find(scan_.sheets()[sheet].name.toCaseFolded());
    return found == own_->sheets.end() ? nullptr : &found->second;
}

void XlsxSettingsReader::readDefaultStyles(ImportSink& sink, const CellStyle& fileDefault) const
{
    for (std::size_t i = 0; i < scan_.sheets().size(); ++i) {
        sink.setSheetDefaultStyle(static_cast<int>(i), defaultStyle(i, fileDefault));
    }
}

void XlsxSettingsReader::readSheet(std::size_t i, ImportSink& sink) const
{
    const XlsxSheetExtras& sheet = scan_.sheets()[i];
    const int index = static_cast<int>(i);
    for (int row : sheet.pageBreaks) {
        sink.setPageBreak(index, row);
    }
    const XlsxOwnSheetSettings fallback;
    const XlsxOwnSheetSettings& settings = own(i) ? *own(i) : fallback;
    // We write a hidden grid in the markup, so there its absence means shown.
    const std::optional<bool> grid = own(i) ? sheet.view.gridLines.value_or(true) : sheet.view.gridLines;
    sink.setSheetView(index, merged(grid, settings.gridLines, true), merged(sheet.view.headers, settings.headers, true),
                      merged(sheet.view.formulas, settings.showFormulas, false), sheet.view.selection.value_or(CellRange{}));
}

void XlsxSettingsReader::readPrint(int activeSheet, ImportSink& sink) const
{
    const auto& sheets = scan_.sheets();
    const std::size_t source = activeSheet >= 0 && static_cast<std::size_t>(activeSheet) < sheets.size()
                                   ? static_cast<std::size_t>(activeSheet)
                                   : 0;
    if (!own_ && (sheets.empty() || !XlsxPageSetup::isGiven(sheets[source].page))) {
        return;
    }
    PrintSettings print = own_ ? own_->print : PrintSettings{};
    if (!sheets.empty()) {
        print = XlsxPageSetup::read(sheets[source].page, print, own_.has_value());
    }
    for (const XlsxDefinedName& name : scan_.names()) {
        if (isPrintArea(name) && (print.printArea.isEmpty() || name.sheet == static_cast<int>(source))) {
            print.printArea = name.reference;
        }
    }
    sink.setPrintSettings(print);
}

void XlsxSettingsReader::read(int activeSheet, ImportSink& sink) const
{
    for (std::size_t i = 0; i < scan_.sheets().size(); ++i) {
        readSheet(i, sink);
    }
    const XlsxWorkbookFacts& facts = scan_.workbookFacts();
    const XlsxOwnSettings defaults;
    const XlsxOwnSettings& settings = own_ ? *own_ : defaults;
    sink.setWorkbookOptions(facts.r1c1.value_or(settings.r1c1), !facts.manualCalculation.value_or(!settings.automaticCalculation),
                            !facts.tabsHidden.value_or(!settings.sheetTabsVisible));
    readPrint(activeSheet, sink);
}

}  // namespace spreadsheet::io
