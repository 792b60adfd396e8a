#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value sine(const CallContext& context);
Value cosine(const CallContext& context);
Value tangent(const CallContext& context);
Value arcSine(const CallContext& context);
Value arcCosine(const CallContext& context);
Value arcTangent(const CallContext& context);
Value arcTangent2(const CallContext& context);
Value hyperbolicSine(const CallContext& context);
Value hyperbolicCosine(const CallContext& context);
Value hyperbolicTangent(const CallContext& context);
Value hyperbolicArcSine(const CallContext& context);
Value hyperbolicArcCosine(const CallContext& context);
Value hyperbolicArcTangent(const CallContext& context);
Value cotangent(const CallContext& context);
Value hyperbolicCotangent(const CallContext& context);
Value arcCotangent(const CallContext& context);
Value hyperbolicArcCotangent(const CallContext& context);
Value cosecant(const CallContext& context);
Value hyperbolicCosecant(const CallContext& context);
Value secant(const CallContext& context);
Value hyperbolicSecant(const CallContext& context);
Value degrees(const CallContext& context);
Value radians(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
