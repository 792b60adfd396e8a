#pragma once

#include <spreadsheet/CellStyle.h>

#include <QHash>

struct lxw_workbook;
struct lxw_format;

namespace spreadsheet::io {

// One libxlsxwriter format for each distinct cell style; the workbook being
// written owns the formats and frees them when it is closed.
class XlsxFormatCache {
public:
    explicit XlsxFormatCache(lxw_workbook* workbook) : workbook_(workbook) {}
    lxw_format* get(const CellStyle& style);

private:
    lxw_format* create(const CellStyle& style) const;

    lxw_workbook* workbook_;
    QHash<CellStyle, lxw_format*> formats_;
};

}  // namespace spreadsheet::io
