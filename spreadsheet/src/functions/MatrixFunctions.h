#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value matrixMultiply(const CallContext& context);
Value matrixDeterminant(const CallContext& context);
Value matrixInverse(const CallContext& context);
Value unitMatrix(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
