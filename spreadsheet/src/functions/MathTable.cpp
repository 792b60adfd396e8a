#include "FunctionTables.h"

#include "MathFunctions.h"
#include "MatrixFunctions.h"
#include "RoundingFunctions.h"
#include "TrigFunctions.h"

#include <array>

namespace spreadsheet::functions {

namespace {

constexpr int kAny = -1;
constexpr auto kMath = FunctionGroup::Math;

constexpr std::array kRows = std::to_array<BuiltinFunction>({
    // Rounding to multiples
    {"CEILING", "TETO", 2, 2, false, ceiling, kMath, "núm; significância", kScalarArgs, "Arredonda um número para cima, até o múltiplo mais próximo da significância."},
    {"CEILING.MATH", "TETO.MAT", 1, 3, false, ceilingMath, kMath, "núm; [significância]; [modo]", kScalarArgs, "Arredonda um número para cima até o inteiro ou o múltiplo da significância mais próximo; o modo decide o sentido dos negativos."},
    {"CEILING.PRECISE", "TETO.PRECISO", 1, 2, false, ceilingPrecise, kMath, "núm; [significância]", kScalarArgs, "Arredonda um número para cima até o múltiplo mais próximo da significância, qualquer que seja o sinal."},
    {"ISO.CEILING", "ISO.TETO", 1, 2, false, ceilingPrecise, kMath, "núm; [significância]", kScalarArgs, "Arredonda um número para cima até o múltiplo mais próximo da significância, qualquer que seja o sinal."},
    {"FLOOR", "ARREDMULTB", 2, 2, false, floorMultiple, kMath, "núm; significância", kScalarArgs, "Arredonda um número para baixo, até o múltiplo mais próximo da significância."},
    {"FLOOR.MATH", "ARREDMULTB.MAT", 1, 3, false, floorMath, kMath, "núm; [significância]; [modo]", kScalarArgs, "Arredonda um número para baixo até o inteiro ou o múltiplo da significância mais próximo; o modo decide o sentido dos negativos."},
    {"FLOOR.PRECISE", "ARREDMULTB.PRECISO", 1, 2, false, floorPrecise, kMath, "núm; [significância]", kScalarArgs, "Arredonda um número para baixo até o múltiplo mais próximo da significância, qualquer que seja o sinal."},
    {"MROUND", "MARRED", 2, 2, false, roundToMultiple, kMath, "núm; múltiplo", kScalarArgs, "Arredonda um número para o múltiplo desejado mais próximo."},
    {"EVEN", "PAR", 1, 1, false, even, kMath, "núm", kScalarArgs, "Arredonda um número para cima, afastando-o de zero, até o inteiro par mais próximo."},
    {"ODD", "ÍMPAR|IMPAR", 1, 1, false, odd, kMath, "núm", kScalarArgs, "Arredonda um número para cima, afastando-o de zero, até o inteiro ímpar mais próximo."},
    {"QUOTIENT", "QUOCIENTE", 2, 2, false, quotient, kMath, "numerador; denominador", kScalarArgs, "Retorna a parte inteira de uma divisão."},
    // Whole numbers
    {"GCD", "MDC", 1, kAny, false, greatestCommonDivisor, kMath, "núm1; [núm2]; ...", kRangeArgs, "Retorna o máximo divisor comum de números inteiros."},
    {"LCM", "MMC", 1, kAny, false, leastCommonMultiple, kMath, "núm1; [núm2]; ...", kRangeArgs, "Retorna o mínimo múltiplo comum de números inteiros."},
    {"FACT", "FATORIAL", 1, 1, false, factorial, kMath, "núm", kScalarArgs, "Retorna o fatorial de um número."},
    {"FACTDOUBLE", "FATDUPLO", 1, 1, false, doubleFactorial, kMath, "núm", kScalarArgs, "Retorna o fatorial duplo de um número."},
    {"COMBIN", nullptr, 2, 2, false, combin, kMath, "núm; núm_escolhido", kScalarArgs, "Retorna o número de combinações de um número de itens escolhidos de cada vez."},
    {"COMBINA", nullptr, 2, 2, false, combinWithRepetition, kMath, "núm; núm_escolhido", kScalarArgs, "Retorna o número de combinações com repetições de um número de itens."},
    {"MULTINOMIAL", nullptr, 1, kAny, false, multinomial, kMath, "núm1; [núm2]; ...", kRangeArgs, "Retorna o fatorial da soma dos números dividido pelo produto de seus fatoriais."},
    // Signs, powers and logarithms
    {"SIGN", "SINAL", 1, 1, false, sign, kMath, "núm", kScalarArgs, "Retorna 1 para um número positivo, 0 para zero e -1 para um número negativo."},
    {"EXP", nullptr, 1, 1, false, exponential, kMath, "núm", kScalarArgs, "Retorna e elevado à potência de um número."},
    {"LN", nullptr, 1, 1, false, naturalLog, kMath, "núm", kScalarArgs, "Retorna o logaritmo natural de um número."},
    {"LOG", nullptr, 1, 2, false, logarithm, kMath, "núm; [base]", kScalarArgs, "Retorna o logaritmo de um número na base indicada, 10 quando omitida."},
    {"LOG10", nullptr, 1, 1, false, log10, kMath, "núm", kScalarArgs, "Retorna o logaritmo de base 10 de um número."},
    {"PI", nullptr, 0, 0, false, pi, kMath, "", kScalarArgs, "Retorna o valor de pi, 3,14159265358979, com 15 dígitos."},
    {"SQRTPI", "RAIZPI", 1, 1, false, squareRootOfPi, kMath, "núm", kScalarArgs, "Retorna a raiz quadrada de um número multiplicado por pi."},
    // Trigonometry
    {"SIN", "SEN", 1, 1, false, sine, kMath, "núm", kScalarArgs, "Retorna o seno de um ângulo em radianos."},
    {"COS", nullptr, 1, 1, false, cosine, kMath, "núm", kScalarArgs, "Retorna o cosseno de um ângulo em radianos."},
    {"TAN", nullptr, 1, 1, false, tangent, kMath, "núm", kScalarArgs, "Retorna a tangente de um ângulo em radianos."},
    {"ASIN", "ASEN", 1, 1, false, arcSine, kMath, "núm", kScalarArgs, "Retorna o arco seno de um número, em radianos de -pi/2 a pi/2."},
    {"ACOS", nullptr, 1, 1, false, arcCosine, kMath, "núm", kScalarArgs, "Retorna o arco cosseno de um número, em radianos de 0 a pi."},
    {"ATAN", nullptr, 1, 1, false, arcTangent, kMath, "núm", kScalarArgs, "Retorna o arco tangente de um número, em radianos de -pi/2 a pi/2."},
    {"ATAN2", nullptr, 2, 2, false, arcTangent2, kMath, "núm_x; núm_y", kScalarArgs, "Retorna o arco tangente das coordenadas x e y, em radianos de -pi a pi."},
    {"SINH", "SENH", 1, 1, false, hyperbolicSine, kMath, "núm", kScalarArgs, "Retorna o seno hiperbólico de um número."},
    {"COSH", nullptr, 1, 1, false, hyperbolicCosine, kMath, "núm", kScalarArgs, "Retorna o cosseno hiperbólico de um número."},
    {"TANH", nullptr, 1, 1, false, hyperbolicTangent, kMath, "núm", kScalarArgs, "Retorna a tangente hiperbólica de um número."},
    {"ASINH", "ASENH", 1, 1, false, hyperbolicArcSine, kMath, "núm", kScalarArgs, "Retorna o seno hiperbólico inverso de um número."},
    {"ACOSH", nullptr, 1, 1, false, hyperbolicArcCosine, kMath, "núm", kScalarArgs, "Retorna o cosseno hiperbólico inverso de um número maior ou igual a 1."},
    {"ATANH", nullptr, 1, 1, false, hyperbolicArcTangent, kMath, "núm", kScalarArgs, "Retorna a tangente hiperbólica inversa de um número entre -1 e 1."},
    {"COT", nullptr, 1, 1, false, cotangent, kMath, "núm", kScalarArgs, "Retorna a cotangente de um ângulo em radianos."},
    {"COTH", nullptr, 1, 1, false, hyperbolicCotangent, kMath, "núm", kScalarArgs, "Retorna a cotangente hiperbólica de um número."},
    {"ACOT", nullptr, 1, 1, false, arcCotangent, kMath, "núm", kScalarArgs, "Retorna o arco cotangente de um número, em radianos de 0 a pi."},
    {"ACOTH", nullptr, 1, 1, false, hyperbolicArcCotangent, kMath, "núm", kScalarArgs, "Retorna a cotangente hiperbólica inversa de um número de valor absoluto maior que 1."},
    {"CSC", "COSEC", 1, 1, false, cosecant, kMath, "núm", kScalarArgs, "Retorna a cossecante de um ângulo em radianos."},
    {"CSCH", "COSECH", 1, 1, false, hyperbolicCosecant, kMath, "núm", kScalarArgs, "Retorna a cossecante hiperbólica de um número."},
    {"SEC", nullptr, 1, 1, false, secant, kMath, "núm", kScalarArgs, "Retorna a secante de um ângulo em radianos."},
    {"SECH", nullptr, 1, 1, false, hyperbolicSecant, kMath, "núm", kScalarArgs, "Retorna a secante hiperbólica de um número."},
    {"DEGREES", "GRAUS", 1, 1, false, degrees, kMath, "ângulo", kScalarArgs, "Converte radianos em graus."},
    {"RADIANS", "RADIANOS", 1, 1, false, radians, kMath, "ângulo", kScalarArgs, "Converte graus em radianos."},
    // Random numbers
    {"RAND", "ALEATÓRIO|ALEATORIO", 0, 0, true, random, kMath, "", kScalarArgs, "Retorna um número aleatório maior ou igual a 0 e menor que 1, novo a cada cálculo."},
    {"RANDBETWEEN", "ALEATÓRIOENTRE|ALEATORIOENTRE", 2, 2, true, randomBetween, kMath, "inferior; superior", kScalarArgs, "Retorna um inteiro aleatório entre os números indicados, novo a cada cálculo."},
    // Sums
    {"SUMSQ", "SOMAQUAD", 1, kAny, false, sumOfSquares, kMath, "núm1; [núm2]; ...", kRangeArgs, "Retorna a soma dos quadrados dos argumentos."},
    {"SUMX2MY2", "SOMAX2DY2", 2, 2, false, sumOfSquareDifferences, kMath, "matriz_x; matriz_y", kRangeArgs, "Soma as diferenças entre os quadrados dos valores correspondentes de duas matrizes."},
    {"SUMX2PY2", "SOMAX2SY2", 2, 2, false, sumOfSquareSums, kMath, "matriz_x; matriz_y", kRangeArgs, "Soma as somas dos quadrados dos valores correspondentes de duas matrizes."},
    {"SUMXMY2", "SOMAXMY2", 2, 2, false, sumOfSquaredDifferences, kMath, "matriz_x; matriz_y", kRangeArgs, "Soma os quadrados das diferenças entre os valores correspondentes de duas matrizes."},
    {"SERIESSUM", "SOMASEQÜÊNCIA|SOMASEQUÊNCIA|SOMASEQUENCIA", 4, 4, false, seriesSum, kMath, "x; n; m; coeficientes", rangeArg(3), "Retorna a soma de uma série de potências."},
    // Numerals
    {"ROMAN", "ROMANO", 1, 2, false, roman, kMath, "núm; [forma]", kScalarArgs, "Converte um número arábico em romano, como texto."},
    {"ARABIC", "ARÁBICO|ARABICO", 1, 1, false, arabic, kMath, "texto", kScalarArgs, "Converte um número romano em arábico."},
    {"BASE", nullptr, 2, 3, false, base, kMath, "número; base; [comprimento_mín]", kScalarArgs, "Converte um número em texto na base indicada."},
    {"DECIMAL", nullptr, 2, 2, false, decimal, kMath, "texto; base", kScalarArgs, "Converte em número decimal um texto que representa um número na base indicada."},
    // Matrices
    {"MMULT", "MATRIZ.MULT", 2, 2, false, matrixMultiply, kMath, "matriz1; matriz2", kRangeArgs, "Retorna o produto de duas matrizes."},
    {"MDETERM", "MATRIZ.DETERM", 1, 1, false, matrixDeterminant, kMath, "matriz", kRangeArgs, "Retorna o determinante de uma matriz quadrada."},
    {"MINVERSE", "MATRIZ.INVERSO", 1, 1, false, matrixInverse, kMath, "matriz", kRangeArgs, "Retorna a matriz inversa de uma matriz quadrada."},
    {"MUNIT", nullptr, 1, 1, false, unitMatrix, kMath, "dimensão", kScalarArgs, "Retorna a matriz identidade da dimensão indicada."},
});

}  // namespace

std::span<const BuiltinFunction> mathTable()
{
    return kRows;
}

}  // namespace spreadsheet::functions
