#include "XlsxImportFactory.h"

#include <spreadsheet/io/ImportSink.h>

namespace spreadsheet::io {

XlsxImportFactory::XlsxImportFactory(ImportSink& sink, const XlsxPackageScan& scan)
    : sink_(sink), scan_(scan), names_(sink), resolver_([this](const QString& name) { return sheetIndex(name); })
{
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

orcus::spreadsheet::iface::import_sheet* XlsxImportFactory::append_sheet(orcus::spreadsheet::sheet_t, std::string_view name)
{
    const QString sheetName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    const int index = sink_.addSheet(sheetName);
    const bool dates1904 = settings_.uses1904Dates() || scan_.uses1904Dates();
    const XlsxSheet::Context context{sink_, strings_, formulas_, dates1904};
    sheets_.push_back(std::make_unique<XlsxSheet>(index, context, [this, index] { activeSheet_ = index; }));
    sheetNames_.push_back(sheetName);
    return sheets_.back().get();
}

orcus::spreadsheet::iface::import_sheet* XlsxImportFactory::get_sheet(std::string_view name)
{
    return get_sheet(sheetIndex(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
}

orcus::spreadsheet::iface::import_sheet* XlsxImportFactory::get_sheet(orcus::spreadsheet::sheet_t sheet_index)
{
    const bool known = sheet_index >= 0 && static_cast<std::size_t>(sheet_index) < sheets_.size();
    return known ? sheets_[static_cast<std::size_t>(sheet_index)].get() : nullptr;
}

void XlsxImportFactory::finish()
{
    styles_.setFormatFacts(scan_.formatFacts());
    styles_.setFontLines(scan_.fontLines());
    const std::vector<XlsxCellFormat> formats = styles_.cellFormats();
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        if (i < scan_.sheets().size()) {
            sheets_[i]->addExtras(scan_.sheets()[i]);
        }
        sheets_[i]->flush(formats);
    }
    formulas_.flush(sink_, sheetNames_);
    if (activeSheet_ >= 0) {
        sink_.setActiveSheet(activeSheet_);
    }
}

}  // namespace spreadsheet::io
