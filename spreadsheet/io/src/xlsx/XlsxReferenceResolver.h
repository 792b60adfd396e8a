#pragma once

#include <orcus/spreadsheet/import_interface.hpp>

#include <QString>

#include <functional>

namespace spreadsheet::io {

// Reads the A1 addresses and ranges that the file gives as text (merged
// areas, shared formula ranges), with or without a sheet name.
class XlsxReferenceResolver : public orcus::spreadsheet::iface::import_reference_resolver {
public:
    using SheetLookup = std::function<int(const QString& name)>;  // -1 when unknown
    explicit XlsxReferenceResolver(SheetLookup sheetIndex) : sheetIndex_(std::move(sheetIndex)) {}

    orcus::spreadsheet::src_address_t resolve_address(std::string_view address) override;
    orcus::spreadsheet::src_range_t resolve_range(std::string_view range) override;

private:
    SheetLookup sheetIndex_;
};

}  // namespace spreadsheet::io
