#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value round(const CallContext& context);
Value roundUp(const CallContext& context);
Value roundDown(const CallContext& context);
Value integer(const CallContext& context);
Value truncate(const CallContext& context);
Value absolute(const CallContext& context);
Value modulo(const CallContext& context);
Value power(const CallContext& context);
Value squareRoot(const CallContext& context);
Value product(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
