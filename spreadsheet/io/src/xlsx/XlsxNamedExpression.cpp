#include "XlsxNamedExpression.h"

#include <spreadsheet/io/ImportSink.h>

namespace spreadsheet::io {

namespace {

QString fromUtf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

void XlsxNamedExpression::set_named_expression(std::string_view name, std::string_view expression)
{
    name_ = fromUtf8(name);
    expression_ = fromUtf8(expression);
}

void XlsxNamedExpression::set_named_range(std::string_view name, std::string_view range)
{
    set_named_expression(name, range);
}

void XlsxNamedExpression::commit()
{
    if (!name_.isEmpty() && !name_.startsWith(QLatin1String("_xlnm."), Qt::CaseInsensitive)) {
        sink_.defineName(name_, expression_);
    }
    name_.clear();
    expression_.clear();
}

}  // namespace spreadsheet::io
