#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value ifThenElse(const CallContext& context);
Value allTrue(const CallContext& context);
Value anyTrue(const CallContext& context);
Value negation(const CallContext& context);
Value ifError(const CallContext& context);
Value trueValue(const CallContext& context);
Value falseValue(const CallContext& context);
Value firstTrue(const CallContext& context);
Value switchValue(const CallContext& context);
Value exclusiveOr(const CallContext& context);
Value ifNA(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
