#pragma once

#include "XlsxFormulaTable.h"
#include "XlsxGlobalSettings.h"
#include "XlsxIgnoredParts.h"
#include "XlsxPackageScan.h"
#include "XlsxReferenceResolver.h"
#include "XlsxSheet.h"
#include "XlsxStyles.h"

#include <orcus/spreadsheet/import_interface.hpp>

#include <memory>
#include <vector>

namespace spreadsheet::io {

class ImportSink;

// What the xlsx filter of liborcus fills: forwards the file to an
// ImportSink, keeping back what can only be given once the whole file was
// read (formulas, styles, sizes, merges). The sheets, their cells and the
// defined names come from the package scan, in the order of the workbook's
// sheet list; liborcus's sheets are matched to them by name.
class XlsxImportFactory : public orcus::spreadsheet::iface::import_factory {
public:
    // The scan must outlive the factory.
    XlsxImportFactory(ImportSink& sink, const XlsxPackageScan& scan);
    ~XlsxImportFactory() override;

    orcus::spreadsheet::iface::import_global_settings* get_global_settings() override { return &settings_; }
    orcus::spreadsheet::iface::import_shared_strings* get_shared_strings() override { return &strings_; }
    orcus::spreadsheet::iface::import_named_expression* get_named_expression() override { return &names_; }
    orcus::spreadsheet::iface::import_styles* get_styles() override { return &styles_; }
    orcus::spreadsheet::iface::import_reference_resolver* get_reference_resolver(
        orcus::spreadsheet::formula_ref_context_t) override
    {
        return &resolver_;
    }
    orcus::spreadsheet::iface::import_sheet* append_sheet(orcus::spreadsheet::sheet_t sheet_index,
                                                          std::string_view name) override;
    orcus::spreadsheet::iface::import_sheet* get_sheet(std::string_view name) override;
    orcus::spreadsheet::iface::import_sheet* get_sheet(orcus::spreadsheet::sheet_t sheet_index) override;
    void finalize() override {}

    // Hands over everything kept back; call once, after the filter is done
    // (or gave up: what the scan read still stands).
    void finish();

private:
    int sheetIndex(const QString& name) const;
    XlsxSheet& addSheet(const QString& name);
    void warnOfUnreadSheets();

    ImportSink& sink_;
    const XlsxPackageScan& scan_;
    XlsxGlobalSettings settings_;
    XlsxIgnoredStrings strings_;
    XlsxIgnoredNames names_;
    XlsxStyles styles_;
    XlsxReferenceResolver resolver_;
    XlsxFormulaTable formulas_;
    std::vector<std::unique_ptr<XlsxSheet>> sheets_;
    std::vector<XlsxSheet*> appended_;  // in liborcus's order
    std::vector<QString> sheetNames_;
    int activeSheet_ = -1;
};

}  // namespace spreadsheet::io
