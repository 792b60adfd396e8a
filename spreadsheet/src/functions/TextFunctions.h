#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value concatenate(const CallContext& context);
Value left(const CallContext& context);
Value right(const CallContext& context);
Value mid(const CallContext& context);
Value length(const CallContext& context);
Value upper(const CallContext& context);
Value lower(const CallContext& context);
Value trim(const CallContext& context);
Value substitute(const CallContext& context);
Value find(const CallContext& context);
Value search(const CallContext& context);
Value text(const CallContext& context);
Value value(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
