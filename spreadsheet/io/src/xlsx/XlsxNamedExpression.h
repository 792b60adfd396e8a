#pragma once

#include <orcus/spreadsheet/import_interface.hpp>

#include <QString>

namespace spreadsheet::io {

class ImportSink;

// Defined names, of the workbook or of one sheet: the workbook has only
// workbook-wide names, so both kinds become those. Excel's reserved names
// (print areas, filter ranges: "_xlnm.") are left out.
class XlsxNamedExpression : public orcus::spreadsheet::iface::import_named_expression {
public:
    explicit XlsxNamedExpression(ImportSink& sink) : sink_(sink) {}

    void set_base_position(const orcus::spreadsheet::src_address_t&) override {}
    void set_named_expression(std::string_view name, std::string_view expression) override;
    void set_named_range(std::string_view name, std::string_view range) override;
    void commit() override;

private:
    ImportSink& sink_;
    QString name_;
    QString expression_;
};

}  // namespace spreadsheet::io
