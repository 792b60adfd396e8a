#include "MascaraBancoTeste.h"

#include "payroll/TfpaOMascEvento.h"

#include "host/HostError.h"
#include "host/TnConfig.h"

#include <QLocale>

#include <functional>

namespace payroll {
namespace {

const QString kSemEmpresa = QStringLiteral("É necessário inicializar a ExternalVar(''gCodigoEmpresa'')");

QString mensagem(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const host::HostError& erro) {
        return erro.message();
    }
    return {};
}

// An event of employee 100 of company 1 in the first period it was calculated.
struct Calculo {
    double base;
    double refer;
};

class Calculos {
public:
    explicit Calculos(const std::function<QVariant(const QString&)>& sql) : sql_(sql) {}
    Calculo evento(int codigo) const
    {
        const QString onde =
            QStringLiteral(" from CalculoEvento C where C.CodigoEmpresa = 1 and C.CodigoFuncContr = 100 and "
                           "C.CodigoEvento = %1 and C.CodigoPerCalculo = (select min(P.CodigoPerCalculo) from "
                           "CalculoEvento P where P.CodigoEmpresa = 1 and P.CodigoFuncContr = 100 and "
                           "P.CodigoEvento = %1)")
                .arg(codigo);
        return {sql_(QStringLiteral("select sum(BaseEvento)") + onde).toDouble(),
                sql_(QStringLiteral("select sum(ReferEvento)") + onde).toDouble()};
    }

private:
    std::function<QVariant(const QString&)> sql_;
};

TEST_P(MascaraBancoTeste, EmpresaDaVariavelExterna)
{
    TfpaOMascEvento mascara;
    EXPECT_EQ(mascara.CodigoEmpresa(), 1);
    for (const char* invalido : {"", "x"}) {
        TfpaOMascEvento semEmpresa;
        host::nConfig().definir(QStringLiteral("gCodigoEmpresa"), QLatin1String(invalido));
        EXPECT_EQ(mensagem([&] { semEmpresa.CodigoEmpresa(); }), kSemEmpresa) << invalido;
        EXPECT_EQ(mensagem([&] { semEmpresa.GetBaseEventEx(100, 100, 1); }), kSemEmpresa) << invalido;
    }
    TfpaOMascEvento definida;
    definida.SetarCodigoEmpresa(3);
    EXPECT_EQ(definida.CodigoEmpresa(), 3) << "a company set needs no variable";
}

TEST_P(MascaraBancoTeste, EventoInexistente)
{
    TfpaOMascEvento mascara;
    const int inexistente = inteiroSql(QStringLiteral("select max(CodigoEvento) from Evento")) + 1;
    const QString naoEncontrado = QStringLiteral("EncontrarRegistro: Registro não encontrado");
    EXPECT_EQ(mensagem([&] { mascara.GetBaseEventEx(100, inexistente, 1); }), naoEncontrado);
    EXPECT_EQ(mensagem([&] { mascara.GetReferEventEx(100, inexistente, 1, false); }), naoEncontrado);
    EXPECT_EQ(mascara.GetReferEventEx(100, 35, 90, false), horas(90)) << "a later call finds its event";
}

TEST_P(MascaraBancoTeste, EventosCalculadosDoFuncionario100)
{
    const Calculos calculos(&MascaraBancoTeste::valorSql);
    TfpaOMascEvento mascara;
    mascara.SetCodigoEmpresa(1);
    // Monthly salary and overtime: references in hours, bases as numbers.
    for (const int evento : {100, 35}) {
        const Calculo c = calculos.evento(evento);
        ASSERT_GT(c.refer, 0) << "employee 100 has event " << evento;
        EXPECT_EQ(mascara.GetReferEventEx(100, evento, c.refer, false), horas(qint64(c.refer))) << evento;
        EXPECT_EQ(mascara.GetBaseEventEx(100, evento, c.base), numero(c.base, 9)) << evento;
    }
    // The 13th salary counts twelfths in a day-unit event.
    const Calculo decimo = calculos.evento(88);
    ASSERT_GT(decimo.refer, 0);
    EXPECT_EQ(mascara.GetReferEventEx(100, 88, decimo.refer, false), QString::number(decimo.refer));
    EXPECT_EQ(mascara.GetReferEventEx(100, 88, decimo.refer, true),
              QString::number(decimo.refer) + (decimo.refer == 1 ? " Dia" : " Dias"));
}

TEST_P(MascaraBancoTeste, HorasCentesimaisPelasVariaveis)
{
    TfpaOMascEvento mascara;
    host::nConfig().definir(QStringLiteral("gHoraCent"), QStringLiteral("True"));
    EXPECT_EQ(mascara.GetReferEventEx(100, 35, 61, false), "001:01");
    host::nConfig().definir(QStringLiteral("gArrendCentHora"), QStringLiteral("1"));
    EXPECT_EQ(mascara.GetReferEventEx(100, 35, 61, false), "001:02") << "read again at every call";
}

TEST_P(MascaraBancoTeste, QuebraDeCaixaPeloSindicato)
{
    static const char* kUnidades[] = {"", "%", "Dia", "hs"};
    TfpaOMascEvento mascara;
    for (const int empresa : {1, 2, 1}) {
        const int tipo = tipoQuebraCaixa(empresa, 100);
        ASSERT_TRUE(tipo >= 1 && tipo <= 3);
        EXPECT_EQ(mascara.GetReferEventEx(empresa, 100, 11, 12.5, true), numero(12.5, 2) + " " + kUnidades[tipo])
            << empresa;
        EXPECT_EQ(mascara.GetReferEventEx(100, 11, 12.5, false), numero(12.5, 2)) << "no unit, nothing to cut";
        EXPECT_EQ(mascara.GetBaseEventEx(100, 11, 630), tipo == 1 ? horas(630) : numero(630, 9)) << empresa;
    }
}

TEST_P(MascaraBancoTeste, SufixoDaContribuicaoSindical)
{
    TfpaOMascEvento mascara;
    mascara.SetCodigoEmpresa(1);
    const auto sufixo = [](int tipo, double valor) -> QString {
        if (tipo == 1) {
            return QStringLiteral(" %");
        }
        return tipo == 2 ? (valor == 1 ? QStringLiteral(" Dia") : QStringLiteral(" Dias")) : QString();
    };
    // Events 68 to 71 are the four union contributions (kinds 1, 3, 2, 4).
    const int kinds[] = {1, 3, 2, 4};
    for (int i = 0; i < 4; ++i) {
        const int tipo = tipoContribuicao(1, 100, kinds[i]);
        for (const double valor : {1.0, 2.5}) {
            EXPECT_EQ(mascara.GetReferEventEx(100, 68 + i, valor, true), numero(valor, 2) + sufixo(tipo, valor))
                << 68 + i;
            EXPECT_EQ(mascara.GetReferEventEx(100, 68 + i, valor, false), numero(valor, 2)) << 68 + i;
        }
    }
}

TEST_P(MascaraBancoTeste, AnuidadeEmPercentual)
{
    TfpaOMascEvento mascara;
    mascara.SetCodigoEmpresa(1);
    // Employee 100 has an annuity history: its latest type decides.
    const int tipo = inteiroSql(QStringLiteral("select TipoAnuidade from FuncHistAnuidade where CodigoEmpresa = 1 and "
                                               "CodigoFuncContr = 100 order by DataInicio desc limit 1"));
    const QString percentual = QStringLiteral(" %");
    EXPECT_EQ(mascara.GetReferEventEx(100, 9, 12.5, false), numero(12.5, 2) + (tipo == 1 ? percentual : QString()));

    // Without a history the company's annuity is looked up: the service one
    // for a structure ending in 06, the plain one otherwise.
    const QVariant semHistorico = valorSql(QStringLiteral(
        "select min(F.CodigoFuncContr) from FuncContrato F where F.CodigoEmpresa = 1 and not exists (select 1 from "
        "FuncHistAnuidade H where H.CodigoEmpresa = F.CodigoEmpresa and H.CodigoFuncContr = F.CodigoFuncContr)"));
    ASSERT_TRUE(semHistorico.isValid());
    const auto tipoDaEmpresa = [](const char* coluna) {
        return inteiroSql(QStringLiteral("select A.TipoAnuidade from Anuidade A join CfgEmpresaFpa C on "
                                         "C.%1 = A.CodigoAnuidade where C.CodigoEmpresa = 1")
                              .arg(QLatin1String(coluna)));
    };
    const int func = semHistorico.toInt();
    EXPECT_EQ(mascara.GetReferEventEx(func, 9, 1234.5, false),
              numero(1234.5, 2) + (tipoDaEmpresa("AnuidadeTempoServico") == 1 ? percentual : QString()));
    EXPECT_EQ(mascara.GetReferEventEx(func, 10, 1234.5, false),
              numero(1234.5, 2) + (tipoDaEmpresa("CodigoAnuidade") == 1 ? percentual : QString()));
    EXPECT_EQ(mascara.GetReferEventEx(999999, 9, 1234.5, false), numero(1234.5, 2))
        << "an unknown employee has no annuity";
}

TEST_P(MascaraBancoTeste, FeriasE13EmDiasPelaOpcaoEContrato)
{
    TfpaOMascEvento mascara;
    mascara.SetCodigoEmpresa(1);
    const int opcao = inteiroSql(QStringLiteral("select FormaCalcFer13Sal from OpcaoSistema"));
    const QString tipoContrato = QStringLiteral(
        "(select CodigoTipoContr from FuncContrato where CodigoEmpresa = 1 and CodigoFuncContr = 100)");
    const double p13 = valorSql(QStringLiteral("select ProporcCalculo13Dia from TipoContrato where CodigoTipoContr = ")
                                + tipoContrato)
                           .toDouble();
    const double pFerias = valorSql(QStringLiteral("select ProporcCalculoFeriasDia from TipoContrato where "
                                                   "CodigoTipoContr = ")
                                    + tipoContrato)
                               .toDouble();
    // Event 56 is the proportional 13th salary (05.13.01.01).
    const bool dias = opcao == 2 && (pFerias == 0 || p13 == 0);
    EXPECT_EQ(mascara.GetReferEventEx(100, 56, 10, true), QStringLiteral("10") + (dias ? " Dias" : " Avos"));
    EXPECT_EQ(mascara.GetReferEventExMask(100, 56, 10, true), "2");
}

TEST_P(MascaraBancoTeste, FormasDeMascara)
{
    TfpaOMascEvento mascara;
    EXPECT_EQ(mascara.GetBaseEventExMask(100, 6, 5), "1") << "percent procedures";
    EXPECT_EQ(mascara.GetBaseEventExMask(100, 100, 5), "2");
    EXPECT_EQ(mascara.GetReferEventExMask(100, 35, 61, false), "1");
    EXPECT_EQ(mascara.GetReferEventExMask(100, 100, 61, false), "1");
    EXPECT_EQ(mascara.GetReferEventExMask(100, 65, 3.12, false), "2") << "installments";
}

}  // namespace
}  // namespace payroll
