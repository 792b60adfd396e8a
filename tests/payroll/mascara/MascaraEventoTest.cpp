#include "payroll/OpcoesSistema.h"
#include "payroll/RotinasEvento.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace payroll {
namespace {

// The base and reference routines without a database: the system option
// is set by hand.
class MascaraEventoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void SetUp() override { OpcoesSistema::Redefinir(1); }
    void TearDown() override { OpcoesSistema::Redefinir(); }

    static ClasseEvento evento(int proced, const char* estrut, const char* unidade = "2")
    {
        return ClasseEvento{proced, QLatin1String(estrut), QLatin1String(unidade)};
    }
    QString base(const ClasseEvento& e, double valor, bool mascara = false, int tipoQuebraCaixa = 0) const
    {
        return MascaraBaseEvento(e, valor, mascara, tipoQuebraCaixa, ajustes);
    }
    QString refer(const ClasseEvento& e, double valor, bool mascara = false, bool comUnidade = true) const
    {
        return MascaraReferEvento(e, valor, mascara, comUnidade, proporcao, 0, ajustes);
    }

    AjustesHora ajustes;
    ProporcaoContrato proporcao{QStringLiteral("1"), QStringLiteral("1")};
};

TEST_F(MascaraEventoTest, BaseQuebraDeCaixaSegueOTipoDoSindicato)
{
    const ClasseEvento quebra = evento(11, "01.06.01.01", "3");
    EXPECT_EQ(base(quebra, 630, false, 1), "010:30");
    EXPECT_EQ(base(quebra, 630, true, 1), "1");
    EXPECT_EQ(base(quebra, 630, false, 2), "630,000000000");
    EXPECT_EQ(base(quebra, 630, true, 3), "2");
}

TEST_F(MascaraEventoTest, BasePercentuaisEFerias)
{
    for (const int proced : {6, 8, 10}) {
        EXPECT_EQ(base(evento(proced, "02.01.01.01"), 1500.5), "1.500,500000000") << proced;
        EXPECT_EQ(base(evento(proced, "02.01.01.01"), 1500.5, true), "1") << proced;
        // Vacation averages give the number in both forms.
        EXPECT_EQ(base(evento(proced, "05.18.02.01"), 1500.5, true), "1.500,500000000") << proced;
    }
}

TEST_F(MascaraEventoTest, BaseOutrosProcedimentosSaoNumero)
{
    const ClasseEvento horista = evento(1, "01.01.01.02", "1");
    EXPECT_EQ(base(horista, 630), "630,000000000") << "an hour unit does not make a base hours";
    EXPECT_EQ(base(horista, 630, true), "2");
    EXPECT_EQ(base(horista, -5), "0,000000000") << "a negative base counts as zero";
    EXPECT_EQ(base(evento(5, "01.01.05.01", "3"), 12.5), "12,500000000");
}

TEST_F(MascaraEventoTest, BaseFaltasEmDiasOuHoras)
{
    for (const char* estrut : {"01.01.08.04", "01.01.09.04", "04.03.01.01", "05.12.02.01", "05.13.02.01",
                               "05.14.01.01", "05.15.01.01", "05.21.01.01", "05.16.02.01"}) {
        EXPECT_EQ(base(evento(23, estrut), 3), "3,000000000") << estrut;
        EXPECT_EQ(base(evento(24, estrut), 3, true), "2") << estrut;
    }
    EXPECT_EQ(base(evento(23, "01.04.01.01", "1"), 90), "001:30");
    EXPECT_EQ(base(evento(24, "01.01.08.05", "1"), 90, true), "1");
    EXPECT_EQ(base(evento(24, "01.04.02.01", "1"), -90), "000:00");
}

TEST_F(MascaraEventoTest, ReferenciaFaltasEProcedimentosDeHoras)
{
    EXPECT_EQ(refer(evento(23, "04.03.01.01", "4"), 630), "010:30 hs") << "absences are hours whatever the class";
    EXPECT_EQ(refer(evento(24, "01.04.02.01", "1"), 630, false, false), "010:30");
    EXPECT_EQ(refer(evento(23, "01.04.01.01"), 630, true), "1");
    for (const int proced : {2, 3, 19, 20, 29, 56, 65, 73, 74}) {
        EXPECT_EQ(refer(evento(proced, "01.02.01.01", "2"), 75), "001:15 hs") << proced;
        EXPECT_EQ(refer(evento(proced, "01.02.01.01", "2"), 75, true), "1") << proced;
    }
    EXPECT_EQ(refer(evento(1, "05.07.01.01", "4"), 75), "001:15 hs");
    EXPECT_EQ(refer(evento(1, "05.07.03.01", "4"), 75), "001:15 hs");
}

TEST_F(MascaraEventoTest, ReferenciaProporcionais)
{
    for (const char* estrut :
         {"04.05.07.01", "04.07.07.01", "04.07.11.07", "05.07.11.07", "05.15.07.01", "05.21.07.01"}) {
        EXPECT_EQ(refer(evento(25, estrut), 15), "15 Dias") << estrut;
        EXPECT_EQ(refer(evento(26, estrut), 1), "1 Dia") << estrut;
        EXPECT_EQ(refer(evento(25, estrut), 2.5, false, false), "2,5") << estrut;
        EXPECT_EQ(refer(evento(25, estrut), 15, true), "2") << estrut;
    }
    for (const char* estrut : {"04.01.07.01", "04.02.07.01", "05.12.07.01", "05.13.07.01", "05.18.07.01"}) {
        EXPECT_EQ(refer(evento(26, estrut), 7), "7 Avos") << estrut;
        EXPECT_EQ(refer(evento(25, estrut), 1), "1 Avo") << estrut;
    }
    EXPECT_EQ(refer(evento(25, "05.14.03.01"), 15), "15,00") << "other classes of 04 and 05.1x are numbers";
    EXPECT_EQ(refer(evento(26, "04.09.01.01"), 15, true), "2");
    EXPECT_EQ(refer(evento(25, "01.05.01.01"), 630), "010:30 hs") << "the rest are hours";
    EXPECT_EQ(refer(evento(25, "01.05.01.01"), 630, true), "1");
}

TEST_F(MascaraEventoTest, ReferenciaDiasOuAvos)
{
    EXPECT_EQ(refer(evento(40, "05.19.01.01"), 10), "10 Avos");
    EXPECT_EQ(refer(evento(1, "04.08.01.03"), 10), "10 Avos") << "the group is the first eight characters";
    EXPECT_EQ(refer(evento(1, "05.16.01.02"), 1, false, false), "1");
    EXPECT_EQ(refer(evento(1, "04.06.01.01"), 10, true), "2");

    proporcao.calculo13Dia = QStringLiteral("0");
    const ClasseEvento decimo = evento(1, "05.13.01.01", "4");
    EXPECT_EQ(refer(decimo, 10), "10 Avos") << "option 1 counts twelfths";
    OpcoesSistema::Redefinir(2);
    EXPECT_EQ(refer(decimo, 10), "10 Dias");
    EXPECT_EQ(refer(decimo, 1), "1 Dia");
}

TEST_F(MascaraEventoTest, ReferenciaPorEstrutura)
{
    EXPECT_EQ(refer(evento(1, "05.18.03.01", "1"), 1500.5), "1.500,50") << "vacation differences are numbers";
    EXPECT_EQ(refer(evento(1, "05.18.03.01", "1"), 1500.5, true), "2");

    EXPECT_EQ(refer(evento(1, "97.06.01.01"), 3.12), "3/12");
    EXPECT_EQ(refer(evento(1, "97.05.03.01"), 11.12), "11/12");
    EXPECT_EQ(refer(evento(1, "97.05.04.02"), 1.05), "1/5");
    EXPECT_EQ(refer(evento(1, "97.06.01.01"), 4), "Divs");
    EXPECT_EQ(refer(evento(1, "97.06.01.01"), 3.12, true), "2");
    EXPECT_EQ(refer(evento(1, "97.05.05.01"), 3.12), "3,12") << "not an installment group";

    EXPECT_EQ(refer(evento(1, "97.01.01", "3"), 2.5), "2,50") << "union events take no procedure suffix";
    EXPECT_EQ(refer(evento(1, "97.01.06", "1"), 75), "001:15 hs");
    EXPECT_EQ(refer(evento(1, "97.01.06", "1"), 75, true), "1");
}

TEST_F(MascaraEventoTest, ReferenciaFeriasEmDiasPelaOpcao)
{
    proporcao.calculoFeriasDia = QStringLiteral("0");
    const ClasseEvento ferias = evento(1, "05.20.01.01", "2");
    EXPECT_EQ(refer(ferias, 20), "20,00");
    OpcoesSistema::Redefinir(2);
    EXPECT_EQ(refer(ferias, 20), "20 Dias");
    EXPECT_EQ(refer(ferias, 20, false, false), "20");
    EXPECT_EQ(refer(ferias, 20, true), "2");
}

TEST_F(MascaraEventoTest, ReferenciaPelaUnidade)
{
    EXPECT_EQ(refer(evento(1, "01.01.01.01", "1"), 13200), "220:00 hs");
    EXPECT_EQ(refer(evento(1, "01.01.01.01", "1"), 13200, false, false), "220:00");
    EXPECT_EQ(refer(evento(1, "03.09.01.01", "4"), 2.5), "2,5 Dias");
    EXPECT_EQ(refer(evento(1, "03.09.01.01", "4"), 1), "1 Dia");
    EXPECT_EQ(refer(evento(1, "03.09.01.01", "3"), 12.5), "12,50 %");
    EXPECT_EQ(refer(evento(1, "03.09.01.01", "7"), 12.5), "12,50 %");
    EXPECT_EQ(refer(evento(1, "03.09.01.01", "2"), 12.5), "12,50");
    EXPECT_EQ(refer(evento(1, "03.09.01.01", "3"), 12.5, false, false), "12,50");
    EXPECT_EQ(refer(evento(1, "03.09.01.01", "1"), 12.5, true), "1");
    EXPECT_EQ(refer(evento(1, "03.09.01.01", "3"), 12.5, true), "2");
}

TEST_F(MascaraEventoTest, EhEventoDiasAvos)
{
    EXPECT_TRUE(EhEventoDiasAvos(40, QStringLiteral("01.01.01.01")));
    for (const char* grupo : {"04.01.01", "04.02.01", "04.08.01", "05.12.01", "05.13.01", "05.22.01"}) {
        EXPECT_TRUE(EhEventoDiasAvos(1, QLatin1String(grupo) + QLatin1String(".99"))) << grupo;
    }
    for (const char* estrut : {"04.01.07.01", "04.02.07.01", "04.06.01.01", "04.06.01.02", "05.12.07.01",
                               "05.13.07.01", "05.16.01.01", "05.16.01.02", "05.18.01.01", "05.18.07.01",
                               "05.07.02.01"}) {
        EXPECT_TRUE(EhEventoDiasAvos(1, QLatin1String(estrut))) << estrut;
    }
    for (const char* estrut : {"04.01.02.01", "05.18.01.02", "04.06.01", "05.07.02.02", ""}) {
        EXPECT_FALSE(EhEventoDiasAvos(1, QLatin1String(estrut))) << estrut;
    }
}

TEST_F(MascaraEventoTest, UsaDiasFerias13)
{
    const auto usa = [](const char* estrut, const char* p13, const char* pFerias) {
        return UsaDiasFerias13(QLatin1String(estrut), ProporcaoContrato{QLatin1String(p13), QLatin1String(pFerias)});
    };
    OpcoesSistema::Redefinir(2);
    EXPECT_TRUE(usa("05.13.01.01", "0", "1"));
    EXPECT_TRUE(usa("05.13.01.01", "1", "0"));
    EXPECT_TRUE(usa("05.20.01.01", "1", "0"));
    EXPECT_TRUE(usa("05.20.02.01", "0", "0"));
    EXPECT_FALSE(usa("05.20.01.01", "0", "1")) << "the 13th-salary setting counts for 05.13.01.01 only";
    EXPECT_FALSE(usa("05.13.01.01", "1", "1"));
    EXPECT_FALSE(usa("05.12.01.01", "0", "0"));
    OpcoesSistema::Redefinir(1);
    EXPECT_FALSE(usa("05.13.01.01", "0", "0"));
    EXPECT_FALSE(usa("05.20.02.01", "0", "0"));
}

}  // namespace
}  // namespace payroll
