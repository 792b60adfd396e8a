#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

// Paired samples (known y's, known x's) and the least-squares line through them.
Value correl(const CallContext& context);
Value rsq(const CallContext& context);
Value slope(const CallContext& context);
Value intercept(const CallContext& context);
Value steyx(const CallContext& context);
Value covarianceP(const CallContext& context);
Value covarianceS(const CallContext& context);
Value forecast(const CallContext& context);
// Least squares over one or more variables; GROWTH and LOGEST fit ln(y).
Value trend(const CallContext& context);
Value growth(const CallContext& context);
Value linest(const CallContext& context);
Value logest(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
