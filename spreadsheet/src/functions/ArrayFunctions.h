#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value sequence(const CallContext& context);
Value randomArray(const CallContext& context);
Value transpose(const CallContext& context);
Value filter(const CallContext& context);
Value sort(const CallContext& context);
Value sortBy(const CallContext& context);
Value unique(const CallContext& context);
Value textSplit(const CallContext& context);
Value letWithoutNames(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
