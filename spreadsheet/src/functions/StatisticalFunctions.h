#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value sum(const CallContext& context);
Value average(const CallContext& context);
Value count(const CallContext& context);
Value countA(const CallContext& context);
Value maximum(const CallContext& context);
Value minimum(const CallContext& context);
Value sumIf(const CallContext& context);
Value countIf(const CallContext& context);
Value sumProduct(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
