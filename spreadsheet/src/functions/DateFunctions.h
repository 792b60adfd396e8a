#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value date(const CallContext& context);
Value year(const CallContext& context);
Value month(const CallContext& context);
Value day(const CallContext& context);
Value today(const CallContext& context);
Value now(const CallContext& context);
Value endOfMonth(const CallContext& context);
Value addMonths(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
