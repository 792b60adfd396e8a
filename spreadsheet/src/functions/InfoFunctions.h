#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value isBlank(const CallContext& context);
Value isNumber(const CallContext& context);
Value isText(const CallContext& context);
Value isError(const CallContext& context);
Value isErr(const CallContext& context);
Value isNA(const CallContext& context);
Value notAvailable(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
