#include "XlsxImportFactory.h"

#include "XlsxNamedExpression.h"
#include "XlsxSettingsReader.h"

#include <spreadsheet/io/ImportSink.h>

namespace spreadsheet::io {

XlsxImportFactory::XlsxImportFactory(ImportSink& sink, const XlsxPackageScan& scan)
    : sink_(sink), scan_(scan), resolver_([this](const QString& name) { return sheetIndex(name); })
{
    for (const XlsxSheetExtras& sheet : scan_.sheets()) {
        addSheet(sheet.name);
    }
}

XlsxImportFactory::~XlsxImportFactory() = default;

int XlsxImportFactory::sheetIndex(const QString& name) const
{
    for (std::size_t i = 0; i < sheetNames_.size(); ++i) {
        if (sheetNames_[i].compare(name, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

XlsxSheet& XlsxImportFactory::addSheet(const QString& name)
{
    const int index = sink_.addSheet(name);
    const XlsxSheet::Context context{sink_, formulas_, scan_.uses1904Dates()};
    sheets_.push_back(std::make_unique<XlsxSheet>(index, context, [this, index] { activeSheet_ = index; }));
    sheetNames_.push_back(name);
    return *sheets_.back();
}

orcus::spreadsheet::iface::import_sheet* XlsxImportFactory::append_sheet(orcus::spreadsheet::sheet_t, std::string_view name)
{
    const QString sheetName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    const int known = sheetIndex(sheetName);
    XlsxSheet& sheet = known >= 0 ? *sheets_[static_cast<std::size_t>(known)] : addSheet(sheetName);
    appended_.push_back(&sheet);
    return &sheet;
}

orcus::spreadsheet::iface::import_sheet* XlsxImportFactory::get_sheet(std::string_view name)
{
    const int index = sheetIndex(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    return index >= 0 ? sheets_[static_cast<std::size_t>(index)].get() : nullptr;
}

orcus::spreadsheet::iface::import_sheet* XlsxImportFactory::get_sheet(orcus::spreadsheet::sheet_t sheet_index)
{
    const bool known = sheet_index >= 0 && static_cast<std::size_t>(sheet_index) < appended_.size();
    return known ? appended_[static_cast<std::size_t>(sheet_index)] : nullptr;
}

void XlsxImportFactory::warnOfUnreadSheets()
{
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        if (!sheets_[i]->wasRead()) {
            sink_.warn(QStringLiteral("Planilha \"%1\": só os valores e fórmulas foram lidos; formatos, tamanhos de "
                                      "linhas e colunas e a exibição foram ignorados.")
                           .arg(sheetNames_[i]));
        }
    }
}

void XlsxImportFactory::finish()
{
    styles_.setFormatFacts(scan_.formatFacts());
    styles_.setFontFacts(scan_.fontFacts());
    const std::vector<XlsxCellFormat> formats = styles_.cellFormats();
    const XlsxSettingsReader settings(scan_);
    const CellStyle fileDefault = formats.empty() ? CellStyle{} : formats.front().style;
    settings.readDefaultStyles(sink_, fileDefault);
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        if (i < scan_.sheets().size()) {
            sheets_[i]->addExtras(scan_.sheets()[i]);
        }
        sheets_[i]->flush(formats, settings.defaultStyle(i, fileDefault));
    }
    warnOfUnreadSheets();
    defineNames(scan_.names(), sheetNames_, sink_);
    // libxlsxwriter asks every reader to calculate on opening; the results
    // we cache are real, and the functions of the suite may not be here.
    if ((scan_.calculatesOnLoad() && !settings.isOurs()) || formulas_.lacksResults()) {
        sink_.calculateAfterLoading();
    }
    if (settings.isOurs()) {
        formulas_.reviveErrors();
    }
    formulas_.flush(sink_, sheetNames_);
    if (activeSheet_ >= 0) {
        sink_.setActiveSheet(activeSheet_);
    }
    settings.read(activeSheet_, sink_);
}

}  // namespace spreadsheet::io
