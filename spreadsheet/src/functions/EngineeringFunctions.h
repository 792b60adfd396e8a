#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

// Conversions between binary, octal, decimal and hexadecimal (BaseFunctions.cpp).
Value bin2Dec(const CallContext& context);
Value bin2Hex(const CallContext& context);
Value bin2Oct(const CallContext& context);
Value dec2Bin(const CallContext& context);
Value dec2Hex(const CallContext& context);
Value dec2Oct(const CallContext& context);
Value hex2Bin(const CallContext& context);
Value hex2Dec(const CallContext& context);
Value hex2Oct(const CallContext& context);
Value oct2Bin(const CallContext& context);
Value oct2Dec(const CallContext& context);
Value oct2Hex(const CallContext& context);

// Bitwise operations and the 0/1 comparisons (BitFunctions.cpp).
Value bitAnd(const CallContext& context);
Value bitOr(const CallContext& context);
Value bitXor(const CallContext& context);
Value bitLeftShift(const CallContext& context);
Value bitRightShift(const CallContext& context);
Value delta(const CallContext& context);
Value greaterOrEqualStep(const CallContext& context);

// Units of measure (ConvertFunction.cpp).
Value convertUnits(const CallContext& context);

// Complex numbers written as text (ComplexFunctions.cpp, ComplexMath.cpp).
Value complexNumber(const CallContext& context);
Value imReal(const CallContext& context);
Value imaginary(const CallContext& context);
Value imAbs(const CallContext& context);
Value imArgument(const CallContext& context);
Value imConjugate(const CallContext& context);
Value imSum(const CallContext& context);
Value imSub(const CallContext& context);
Value imProduct(const CallContext& context);
Value imDiv(const CallContext& context);
Value imPower(const CallContext& context);
Value imSqrt(const CallContext& context);
Value imExp(const CallContext& context);
Value imLn(const CallContext& context);
Value imLog10(const CallContext& context);
Value imLog2(const CallContext& context);
Value imSin(const CallContext& context);
Value imCos(const CallContext& context);
Value imTan(const CallContext& context);
Value imSinh(const CallContext& context);
Value imCosh(const CallContext& context);
Value imSec(const CallContext& context);
Value imSech(const CallContext& context);
Value imCsc(const CallContext& context);
Value imCsch(const CallContext& context);
Value imCot(const CallContext& context);

// Bessel functions of integer order (BesselFunctions.cpp).
Value besselJ(const CallContext& context);
Value besselY(const CallContext& context);
Value besselI(const CallContext& context);
Value besselK(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
