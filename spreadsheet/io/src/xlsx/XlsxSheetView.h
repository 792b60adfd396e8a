#pragma once

#include <orcus/spreadsheet/import_interface_view.hpp>

#include <functional>

namespace spreadsheet::io {

// Only which sheet is active is kept from a sheet's view settings.
class XlsxSheetView : public orcus::spreadsheet::iface::import_sheet_view {
public:
    explicit XlsxSheetView(std::function<void()> activate) : activate_(std::move(activate)) {}

    void set_sheet_active() override { activate_(); }
    void set_split_pane(double, double, const orcus::spreadsheet::address_t&, orcus::spreadsheet::sheet_pane_t) override
    {
    }
    void set_frozen_pane(orcus::spreadsheet::col_t, orcus::spreadsheet::row_t, const orcus::spreadsheet::address_t&,
                         orcus::spreadsheet::sheet_pane_t) override
    {
    }
    void set_selected_range(orcus::spreadsheet::sheet_pane_t, orcus::spreadsheet::range_t) override {}

private:
    std::function<void()> activate_;
};

}  // namespace spreadsheet::io
