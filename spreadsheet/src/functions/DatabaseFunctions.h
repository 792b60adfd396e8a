#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value dcount(const CallContext& context);
Value dcountA(const CallContext& context);
Value dsum(const CallContext& context);
Value daverage(const CallContext& context);
Value dmin(const CallContext& context);
Value dmax(const CallContext& context);
Value dproduct(const CallContext& context);
Value dstdev(const CallContext& context);
Value dstdevP(const CallContext& context);
Value dvar(const CallContext& context);
Value dvarP(const CallContext& context);
Value dget(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
