#include "XlsxReferenceResolver.h"

#include <spreadsheet/Reference.h>

#include <orcus/exception.hpp>

namespace spreadsheet::io {

orcus::spreadsheet::src_address_t XlsxReferenceResolver::resolve_address(std::string_view address)
{
    const orcus::spreadsheet::src_range_t range = resolve_range(address);
    if (range.first != range.last) {
        throw orcus::invalid_arg_error("not a single cell address");
    }
    return range.first;
}

orcus::spreadsheet::src_range_t XlsxReferenceResolver::resolve_range(std::string_view range)
{
    const QString text = QString::fromUtf8(range.data(), static_cast<qsizetype>(range.size()));
    ParsedReference parsed;
    if (!parseReference(text, parsed)) {
        throw orcus::invalid_arg_error("not a range address");
    }
    const int sheet = parsed.sheetName.isEmpty() ? 0 : sheetIndex_(parsed.sheetName);
    if (sheet < 0) {
        throw orcus::invalid_arg_error("unknown sheet");
    }
    const CellRange& r = parsed.range;
    return {{sheet, r.top, r.left}, {sheet, r.bottom, r.right}};
}

}  // namespace spreadsheet::io
