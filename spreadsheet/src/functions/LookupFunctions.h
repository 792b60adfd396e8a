#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value verticalLookup(const CallContext& context);
Value horizontalLookup(const CallContext& context);
Value match(const CallContext& context);
Value index(const CallContext& context);
Value choose(const CallContext& context);
Value row(const CallContext& context);
Value column(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
