#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

// Totals of the cells whose positions meet every (range, criterion) pair.
Value sumIfs(const CallContext& context);
Value countIfs(const CallContext& context);
Value averageIf(const CallContext& context);
Value averageIfs(const CallContext& context);
Value maxIfs(const CallContext& context);
Value minIfs(const CallContext& context);
Value countBlank(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
