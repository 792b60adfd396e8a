#include "InfoFunctions.h"

#include "CallContext.h"

namespace spreadsheet::functions {

// A written empty text ("") is not blank: only a reference to an empty cell is.
Value isBlank(const CallContext& context)
{
    return Value::boolean(context.isReference(0) && context.scalar(0).isEmpty());
}

Value isNumber(const CallContext& context)
{
    return Value::boolean(context.scalar(0).isNumber());
}

Value isText(const CallContext& context)
{
    return Value::boolean(context.scalar(0).isText());
}

Value isError(const CallContext& context)
{
    return Value::boolean(context.scalar(0).isError());
}

Value isErr(const CallContext& context)
{
    const Value v = context.scalar(0);
    return Value::boolean(v.isError() && v.error() != ErrorCode::NA);
}

Value isNA(const CallContext& context)
{
    const Value v = context.scalar(0);
    return Value::boolean(v.isError() && v.error() == ErrorCode::NA);
}

Value notAvailable(const CallContext&)
{
    return Value::error(ErrorCode::NA);
}

}  // namespace spreadsheet::functions
