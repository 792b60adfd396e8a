#include "FunctionTables.h"

#include "EngineeringFunctions.h"

#include <array>

namespace spreadsheet::functions {

namespace {

constexpr auto E = FunctionGroup::Engineering;
constexpr int kAny = -1;

constexpr std::array kRows = std::to_array<BuiltinFunction>({
    {"BIN2DEC", "BINADEC", 1, 1, false, bin2Dec, E, "núm", kScalarArgs, "Converte um número binário em decimal."},
    {"BIN2HEX", "BINAHEX", 1, 2, false, bin2Hex, E, "núm; [casas]", kScalarArgs, "Converte um número binário em hexadecimal."},
    {"BIN2OCT", "BINAOCT", 1, 2, false, bin2Oct, E, "núm; [casas]", kScalarArgs, "Converte um número binário em octal."},
    {"DEC2BIN", "DECABIN", 1, 2, false, dec2Bin, E, "núm; [casas]", kScalarArgs, "Converte um número decimal em binário."},
    {"DEC2HEX", "DECAHEX", 1, 2, false, dec2Hex, E, "núm; [casas]", kScalarArgs, "Converte um número decimal em hexadecimal."},
    {"DEC2OCT", "DECAOCT", 1, 2, false, dec2Oct, E, "núm; [casas]", kScalarArgs, "Converte um número decimal em octal."},
    {"HEX2BIN", "HEXABIN", 1, 2, false, hex2Bin, E, "núm; [casas]", kScalarArgs, "Converte um número hexadecimal em binário."},
    {"HEX2DEC", "HEXADEC", 1, 1, false, hex2Dec, E, "núm", kScalarArgs, "Converte um número hexadecimal em decimal."},
    {"HEX2OCT", "HEXAOCT", 1, 2, false, hex2Oct, E, "núm; [casas]", kScalarArgs, "Converte um número hexadecimal em octal."},
    {"OCT2BIN", "OCTABIN", 1, 2, false, oct2Bin, E, "núm; [casas]", kScalarArgs, "Converte um número octal em binário."},
    {"OCT2DEC", "OCTADEC", 1, 1, false, oct2Dec, E, "núm", kScalarArgs, "Converte um número octal em decimal."},
    {"OCT2HEX", "OCTAHEX", 1, 2, false, oct2Hex, E, "núm; [casas]", kScalarArgs, "Converte um número octal em hexadecimal."},
    {"CONVERT", "CONVERTER", 3, 3, false, convertUnits, E, "núm; de_unidade; para_unidade", kScalarArgs, "Converte um número de uma unidade de medida para outra."},
    {"DELTA", nullptr, 1, 2, false, delta, E, "núm1; [núm2]", kScalarArgs, "Retorna 1 se os dois números forem iguais e 0 se forem diferentes."},
    {"GESTEP", "DEGRAU", 1, 2, false, greaterOrEqualStep, E, "núm; [passo]", kScalarArgs, "Retorna 1 se o número for maior ou igual ao passo e 0 caso contrário."},
    {"BITAND", nullptr, 2, 2, false, bitAnd, E, "número1; número2", kScalarArgs, "Retorna o E bit a bit de dois números."},
    {"BITOR", nullptr, 2, 2, false, bitOr, E, "número1; número2", kScalarArgs, "Retorna o OU bit a bit de dois números."},
    {"BITXOR", nullptr, 2, 2, false, bitXor, E, "número1; número2", kScalarArgs, "Retorna o OU exclusivo bit a bit de dois números."},
    {"BITLSHIFT", "DESLOCESQBIT", 2, 2, false, bitLeftShift, E, "número; valor_deslocamento", kScalarArgs, "Desloca os bits de um número para a esquerda."},
    {"BITRSHIFT", "DESLOCDIRBIT", 2, 2, false, bitRightShift, E, "número; valor_deslocamento", kScalarArgs, "Desloca os bits de um número para a direita."},
    {"COMPLEX", "COMPLEXO", 2, 3, false, complexNumber, E, "núm_real; i_núm; [sufixo]", kScalarArgs, "Converte os coeficientes real e imaginário em um número complexo."},
    {"IMREAL", nullptr, 1, 1, false, imReal, E, "inúm", kScalarArgs, "Retorna o coeficiente real de um número complexo."},
    {"IMAGINARY", "IMAGINÁRIO|IMAGINARIO", 1, 1, false, imaginary, E, "inúm", kScalarArgs, "Retorna o coeficiente imaginário de um número complexo."},
    {"IMABS", nullptr, 1, 1, false, imAbs, E, "inúm", kScalarArgs, "Retorna o valor absoluto (módulo) de um número complexo."},
    {"IMARGUMENT", "IMARG", 1, 1, false, imArgument, E, "inúm", kScalarArgs, "Retorna o argumento teta, um ângulo em radianos, de um número complexo."},
    {"IMCONJUGATE", "IMCONJ", 1, 1, false, imConjugate, E, "inúm", kScalarArgs, "Retorna o conjugado de um número complexo."},
    {"IMSUM", "IMSOMA", 1, kAny, false, imSum, E, "inúm1; [inúm2]; ...", kRangeArgs, "Retorna a soma de números complexos."},
    {"IMSUB", "IMSUBTR", 2, 2, false, imSub, E, "inúm1; inúm2", kScalarArgs, "Retorna a diferença entre dois números complexos."},
    {"IMPRODUCT", "IMPROD", 1, kAny, false, imProduct, E, "inúm1; [inúm2]; ...", kRangeArgs, "Retorna o produto de números complexos."},
    {"IMDIV", nullptr, 2, 2, false, imDiv, E, "inúm1; inúm2", kScalarArgs, "Retorna o quociente de dois números complexos."},
    {"IMPOWER", "IMPOT", 2, 2, false, imPower, E, "inúm; núm", kScalarArgs, "Retorna um número complexo elevado a uma potência."},
    {"IMSQRT", "IMRAIZ", 1, 1, false, imSqrt, E, "inúm", kScalarArgs, "Retorna a raiz quadrada de um número complexo."},
    {"IMEXP", nullptr, 1, 1, false, imExp, E, "inúm", kScalarArgs, "Retorna a exponencial de um número complexo."},
    {"IMLN", nullptr, 1, 1, false, imLn, E, "inúm", kScalarArgs, "Retorna o logaritmo natural de um número complexo."},
    {"IMLOG10", nullptr, 1, 1, false, imLog10, E, "inúm", kScalarArgs, "Retorna o logaritmo na base 10 de um número complexo."},
    {"IMLOG2", nullptr, 1, 1, false, imLog2, E, "inúm", kScalarArgs, "Retorna o logaritmo na base 2 de um número complexo."},
    {"IMSIN", "IMSENO", 1, 1, false, imSin, E, "inúm", kScalarArgs, "Retorna o seno de um número complexo."},
    {"IMCOS", nullptr, 1, 1, false, imCos, E, "inúm", kScalarArgs, "Retorna o cosseno de um número complexo."},
    {"IMTAN", nullptr, 1, 1, false, imTan, E, "inúm", kScalarArgs, "Retorna a tangente de um número complexo."},
    {"IMSINH", "IMSENH", 1, 1, false, imSinh, E, "inúm", kScalarArgs, "Retorna o seno hiperbólico de um número complexo."},
    {"IMCOSH", nullptr, 1, 1, false, imCosh, E, "inúm", kScalarArgs, "Retorna o cosseno hiperbólico de um número complexo."},
    {"IMSEC", nullptr, 1, 1, false, imSec, E, "inúm", kScalarArgs, "Retorna a secante de um número complexo."},
    {"IMSECH", nullptr, 1, 1, false, imSech, E, "inúm", kScalarArgs, "Retorna a secante hiperbólica de um número complexo."},
    {"IMCSC", "IMCOSEC", 1, 1, false, imCsc, E, "inúm", kScalarArgs, "Retorna a cossecante de um número complexo."},
    {"IMCSCH", "IMCOSECH", 1, 1, false, imCsch, E, "inúm", kScalarArgs, "Retorna a cossecante hiperbólica de um número complexo."},
    {"IMCOT", nullptr, 1, 1, false, imCot, E, "inúm", kScalarArgs, "Retorna a cotangente de um número complexo."},
    {"BESSELJ", nullptr, 2, 2, false, besselJ, E, "x; n", kScalarArgs, "Retorna a função de Bessel Jn(x)."},
    {"BESSELY", nullptr, 2, 2, false, besselY, E, "x; n", kScalarArgs, "Retorna a função de Bessel Yn(x), também chamada de função de Weber ou de Neumann."},
    {"BESSELI", nullptr, 2, 2, false, besselI, E, "x; n", kScalarArgs, "Retorna a função de Bessel modificada In(x)."},
    {"BESSELK", nullptr, 2, 2, false, besselK, E, "x; n", kScalarArgs, "Retorna a função de Bessel modificada Kn(x)."},
});

}  // namespace

std::span<const BuiltinFunction> engineeringTable()
{
    return kRows;
}

}  // namespace spreadsheet::functions
