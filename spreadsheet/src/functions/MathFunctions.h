#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

Value round(const CallContext& context);
Value roundUp(const CallContext& context);
Value roundDown(const CallContext& context);
Value integer(const CallContext& context);
Value truncate(const CallContext& context);
Value absolute(const CallContext& context);
Value modulo(const CallContext& context);
Value power(const CallContext& context);
Value squareRoot(const CallContext& context);
Value product(const CallContext& context);

Value sign(const CallContext& context);
Value exponential(const CallContext& context);
Value naturalLog(const CallContext& context);
Value logarithm(const CallContext& context);
Value log10(const CallContext& context);
Value pi(const CallContext& context);
Value squareRootOfPi(const CallContext& context);
Value random(const CallContext& context);
Value randomBetween(const CallContext& context);

// MathIntegers.cpp
Value greatestCommonDivisor(const CallContext& context);
Value leastCommonMultiple(const CallContext& context);
Value factorial(const CallContext& context);
Value doubleFactorial(const CallContext& context);
Value combin(const CallContext& context);
Value combinWithRepetition(const CallContext& context);
Value multinomial(const CallContext& context);

// MathSums.cpp
Value sumOfSquares(const CallContext& context);
Value sumOfSquareDifferences(const CallContext& context);  // SUMX2MY2
Value sumOfSquareSums(const CallContext& context);         // SUMX2PY2
Value sumOfSquaredDifferences(const CallContext& context); // SUMXMY2
Value seriesSum(const CallContext& context);

// MathNumerals.cpp
Value roman(const CallContext& context);
Value arabic(const CallContext& context);
Value base(const CallContext& context);
Value decimal(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
