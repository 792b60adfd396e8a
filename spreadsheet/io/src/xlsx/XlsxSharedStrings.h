#pragma once

#include <orcus/spreadsheet/import_interface.hpp>

#include <QHash>
#include <QString>

#include <vector>

namespace spreadsheet::io {

// The shared string table of an xlsx file. Rich text keeps its characters
// only: the workbook has one font a cell.
class XlsxSharedStrings : public orcus::spreadsheet::iface::import_shared_strings {
public:
    size_t append(std::string_view s) override;
    size_t add(std::string_view s) override;

    void set_segment_font(size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                                orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override
    {
    }
    void append_segment(std::string_view s) override;
    size_t commit_segments() override;

    // Empty for an index the table does not hold.
    QString at(size_t index) const;

private:
    std::vector<QString> strings_;
    QHash<QString, size_t> indexes_;
    QString segments_;
};

}  // namespace spreadsheet::io
