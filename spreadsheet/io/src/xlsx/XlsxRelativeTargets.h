#pragma once

#include <QByteArray>

#include <string>
#include <string_view>

namespace spreadsheet::io {

// liborcus 0.17 takes every relation's target as relative to the folder of
// the part the relation belongs to, so the sheets of a workbook whose
// relations name them absolutely ("/xl/worksheets/sheet1.xml"), as
// openpyxl writes them, would reach it as missing parts: it is given
// relations that name them relatively.
class XlsxRelativeTargets {
public:
    // The relations of a part in `folder` ("xl/"), their internal absolute
    // targets made relative to it; external ones (links) are kept.
    static QByteArray relations(const QByteArray& text, std::string_view folder);
    // "/xl/worksheets/a.xml" seen from "xl/" is "worksheets/a.xml".
    static std::string relative(std::string_view folder, std::string_view absolute);
};

}  // namespace spreadsheet::io
