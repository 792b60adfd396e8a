#include "FormatoNumero.h"

#include "payroll/RotinasEvento.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <bit>
#include <cmath>
#include <iomanip>
#include <random>
#include <vector>

namespace payroll {
namespace {

class FormatacaoEventoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
};

// Hours: the value counts minutes and is written hhh:mm.
TEST_F(FormatacaoEventoTest, HorasEmSessenta)
{
    EXPECT_EQ(FormatarValorEvento(kValorHoras, true, QString(), false, false, 630), "010:30");
    EXPECT_EQ(FormatarValorEvento(kValorHoras, true, QStringLiteral("0"), false, true, 630), "010:30 hs");
    EXPECT_EQ(FormatarValorEvento(kValorHoras, false, QStringLiteral("2"), true, false, 0), "000:00");
    EXPECT_EQ(FormatarValorEvento(kValorHoras, true, QString(), false, false, 90.9), "001:30") << "minutes are cut";
    EXPECT_EQ(FormatarValorEvento(kValorHoras, true, QString(), false, false, 6000 * 60 + 5), "6000:05");
}

TEST_F(FormatacaoEventoTest, HorasCentesimaisArredondadasOuTruncadas)
{
    for (const char* centesimal : {"True", "true", "TRUE", "1"}) {
        const QString horaCent = QLatin1String(centesimal);
        EXPECT_EQ(FormatarValorEvento(kValorHoras, true, horaCent, false, false, 630), "010:50") << centesimal;
        // One minute is 1.67 hundredths: rounding gives 02, cutting 01.
        EXPECT_EQ(FormatarValorEvento(kValorHoras, true, horaCent, true, false, 61), "001:02") << centesimal;
        EXPECT_EQ(FormatarValorEvento(kValorHoras, true, horaCent, false, false, 61), "001:01") << centesimal;
    }
    EXPECT_EQ(FormatarValorEvento(kValorHoras, true, QStringLiteral("1"), true, true, 58), "000:97 hs");
    EXPECT_EQ(FormatarValorEvento(kValorHoras, true, QStringLiteral("1"), false, true, 58), "000:96 hs");
    EXPECT_EQ(FormatarValorEvento(kValorHoras, true, QStringLiteral("Sim"), true, false, 61), "001:01")
        << "only True and 1 ask for hundredths";
}

TEST_F(FormatacaoEventoTest, NumerosComDuasOuNoveDecimais)
{
    EXPECT_EQ(FormatarValorEvento(kValorNumero, true, QString(), false, true, 1234.5), "1.234,50");
    EXPECT_EQ(FormatarValorEvento(kValorNumero, false, QString(), false, true, 1234.5), "1.234,500000000");
    EXPECT_EQ(FormatarValorEvento(7, true, QStringLiteral("1"), true, true, 630), "630,00") << "any other kind";
    EXPECT_EQ(FormatarValorEvento(kValorNumero, true, QString(), false, false, -1234567.891), "-1.234.567,89");
}

TEST_F(FormatacaoEventoTest, FormatoNumeroArredondaComoDecimal)
{
    // 2.675 and 0.125 are stored just below and at the half; both go up.
    EXPECT_EQ(FormatoNumero::agrupado(2.675, 2), "2,68");
    EXPECT_EQ(FormatoNumero::agrupado(0.125, 2), "0,13");
    EXPECT_EQ(FormatoNumero::agrupado(-0.125, 2), "-0,13");
    EXPECT_EQ(FormatoNumero::agrupado(-0.001, 2), "0,00") << "a value rounding to zero has no sign";
    EXPECT_EQ(FormatoNumero::agrupado(999.995, 2), "1.000,00");
    EXPECT_EQ(FormatoNumero::agrupado(1e15, 2), "1.000.000.000.000.000,00");
    EXPECT_EQ(FormatoNumero::agrupado(0.1 + 0.2, 9), "0,300000000");
    EXPECT_EQ(FormatoNumero::agrupado(1234.5, 2, QLocale::c()), "1,234.50");
    EXPECT_EQ(FormatoNumero::inteiro(5, 3), "005");
    EXPECT_EQ(FormatoNumero::inteiro(-1, 3), "-001");
    EXPECT_EQ(FormatoNumero::inteiro(1.5, 2), "02");
    EXPECT_EQ(FormatoNumero::inteiro(1234, 3), "1234");
    EXPECT_EQ(FormatoNumero::inteiro(-0.0, 3), "000");
    EXPECT_EQ(FormatoNumero::inteiro(999999999999999.0, 3), "999999999999999");
    EXPECT_EQ(FormatoNumero::inteiro(1234567890123456789.0, 3), "1234567890123460000")
        << "beyond fifteen digits a whole number is rounded like any other";
}

// The digits every event number is rounded from must be Qt's, ties included,
// and so must the plain text of a value: payroll amounts, hours, random
// doubles, exact ties at the 15th digit and both sides of %g's notation limits.
TEST_F(FormatacaoEventoTest, DigitosCientificosSaoOsDoQt)
{
    std::mt19937_64 aleatorio(20261208);
    std::uniform_int_distribution<long long> centavos(0, 99999999999LL);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::vector<double> valores = {0.0, 1e15 + 5, 1234567890123455.0, 123456789012.0625, 0.5, 2.675, 1e-300, 5e-324,
                                   1.7976931348623157e308, 1e15, 999999999999999.0, 1e-4, 1.5e-5, 123.25, 1e14};
    for (int i = 0; i < 30000; ++i) {
        valores.push_back(static_cast<double>(centavos(aleatorio)) / (i % 3 ? 100.0 : 60.0));
        valores.push_back(std::bit_cast<double>(bits(aleatorio) & 0x7FEFFFFFFFFFFFFFULL));
    }
    for (const double v : valores) {
        for (const double x : {v, -v, v * 1e-8, v * 1e-17}) {
            ASSERT_EQ(FormatoNumero::cientifico(x).toStdString(), QString::number(std::abs(x), 'e', 14).toStdString())
                << std::setprecision(17) << x;
            ASSERT_EQ(FormatoNumero::geral(x).toStdString(), QString::number(x, 'g', 15).toStdString())
                << std::setprecision(17) << x;
        }
    }
}

// Amounts in cents and in sixtieths, within fifteen digits, where rounding
// on the decimal digits and on the binary value agree.
TEST_F(FormatacaoEventoTest, ValoresAgrupadosComoOsDoQt)
{
    const QLocale eua(QLocale::English, QLocale::UnitedStates);
    std::mt19937_64 aleatorio(8122026);
    for (int i = 0; i < 20000; ++i) {
        const bool nove = i % 2 == 0;
        const long long limite = nove ? 50000000LL : 100000000000000LL;
        const long long k = std::uniform_int_distribution<long long>(-limite, limite)(aleatorio) >> (i % 40);
        const double v = static_cast<double>(k) / (i % 3 ? 100.0 : 60.0);
        const int decimais = nove ? 9 : 2;
        ASSERT_EQ(FormatoNumero::agrupado(v, decimais, eua).toStdString(), eua.toString(v, 'f', decimais).toStdString())
            << std::setprecision(17) << v;
        const double inteiro = static_cast<double>(k);
        ASSERT_EQ(FormatoNumero::inteiro(inteiro, 3).toStdString(),
                  ((k < 0 ? QStringLiteral("-") : QString()) + QString::number(std::abs(k)).rightJustified(3, u'0'))
                      .toStdString())
            << k;
    }
}

TEST_F(FormatacaoEventoTest, EscolherHoraOuValorPelaUnidade)
{
    const QString um = QStringLiteral("1");
    EXPECT_EQ(EscolherHoraOuValor(QStringLiteral(" 1 "), um, 1, false, QString(), false, true, 630), "010:30 hs");
    EXPECT_EQ(EscolherHoraOuValor(um, um, 0, false, QString(), false, true, 630), "630,000000000")
        << "the hours flag also chooses two decimals";
    EXPECT_EQ(EscolherHoraOuValor(QStringLiteral("2"), um, 1, false, QString(), false, true, 630), "630,00");
    EXPECT_EQ(EscolherHoraOuValor(um, um, 1, true, QString(), false, true, 630), "1");
    EXPECT_EQ(EscolherHoraOuValor(um, um, 0, true, QString(), false, true, 630), "2");
    EXPECT_EQ(EscolherHoraOuValor(QStringLiteral("4"), um, 1, true, QString(), false, true, 630), "2");
}

TEST_F(FormatacaoEventoTest, Sufixos)
{
    EXPECT_EQ(SufixoDias(1), " Dia");
    for (const double valor : {0.0, 2.0, 1.5, -1.0}) {
        EXPECT_EQ(SufixoDias(valor), " Dias") << valor;
        EXPECT_EQ(SufixoAvos(valor), " Avos") << valor;
    }
    EXPECT_EQ(SufixoAvos(1), " Avo");
    EXPECT_EQ(SufixoProcedimento(QStringLiteral("3"), 1), " %");
    EXPECT_EQ(SufixoProcedimento(QStringLiteral("7"), 1), " %");
    EXPECT_EQ(SufixoProcedimento(QStringLiteral("4"), 1), " Dia");
    EXPECT_EQ(SufixoProcedimento(QStringLiteral("4"), 3), " Dias");
    EXPECT_EQ(SufixoProcedimento(QStringLiteral("1"), 3), "");
    EXPECT_EQ(SufixoProcedimento(QStringLiteral("2"), 3), "");
}

}  // namespace
}  // namespace payroll
