#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value subtotal(const CallContext& context);
Value aggregate(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
