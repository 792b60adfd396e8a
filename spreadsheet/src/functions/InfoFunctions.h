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
Value isEven(const CallContext& context);
Value isOdd(const CallContext& context);
Value isLogical(const CallContext& context);
Value isNonText(const CallContext& context);
Value isReference(const CallContext& context);
Value isFormula(const CallContext& context);
Value toNumberValue(const CallContext& context);
Value typeOf(const CallContext& context);
Value errorType(const CallContext& context);
Value formulaText(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
