#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value offset(const CallContext& context);
Value indirect(const CallContext& context);
Value address(const CallContext& context);
Value rows(const CallContext& context);
Value columns(const CallContext& context);
Value areas(const CallContext& context);
Value hyperlink(const CallContext& context);
Value lookup(const CallContext& context);
Value xlookup(const CallContext& context);
Value xmatch(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
