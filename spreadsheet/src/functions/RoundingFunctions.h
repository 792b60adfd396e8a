#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value ceiling(const CallContext& context);
Value ceilingMath(const CallContext& context);
Value ceilingPrecise(const CallContext& context);
Value floorMultiple(const CallContext& context);
Value floorMath(const CallContext& context);
Value floorPrecise(const CallContext& context);
Value roundToMultiple(const CallContext& context);
Value even(const CallContext& context);
Value odd(const CallContext& context);
Value quotient(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
