#include "ContextoOraculo.h"

#include "BancoOraculo.h"
#include "ExecucaoModelo.h"
#include "FuncaoOraculo.h"

#include <spreadsheet/Reference.h>
#include <spreadsheet/Sheet.h>
#include <spreadsheet/Workbook.h>

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <array>
#include <utility>

namespace exemplo::testes {

namespace {

constexpr std::array<std::pair<const char*, const char*>, 5> kPalavras{{
    {"ESTAB", "CODIGOESTAB"},
    {"OUTEMP", "CODIGOOUTEMP"},
    {"CENCUSTO", "CODIGOCENTROCUSTO"},
    {"ORGAN", "CLASSIFORGAN"},
    {"FUNC", "CODIGOFUNCCONTR"},
}};

QString campoDaPalavra(const QString& texto)
{
    for (const auto& [palavra, campo] : kPalavras) {
        if (texto.trimmed().toUpper() == QLatin1String(palavra))
            return QString::fromLatin1(campo);
    }
    return {};
}

QStringList camposDoLeiaute(const spreadsheet::Workbook& pasta, const QString& replicacao)
{
    const spreadsheet::Sheet* leiaute = pasta.findSheet(QStringLiteral("Leiaute"));
    QStringList campos;
    for (const QString& letra : replicacao.toUpper().split(u';', Qt::SkipEmptyParts)) {
        const int coluna = spreadsheet::columnIndex(letra.trimmed());
        for (int row = 0; leiaute && coluna >= 0 && row < leiaute->rowCount(); ++row) {
            const QString campo = campoDaPalavra(leiaute->text(row, coluna));
            if (!campo.isEmpty() && !campos.contains(campo))
                campos << campo;
        }
    }
    return campos;
}

QString literal(const QVariant& valor)
{
    if (valor.typeId() == QMetaType::QString)
        return QLatin1Char('\'') + valor.toString().replace(u'\'', QStringLiteral("''")) + QLatin1Char('\'');
    return QString::number(valor.toDouble(), 'g', 15);
}

}  // namespace

ParametrosExecucao ParametrosExecucao::ler(const ExecucaoModelo& execucao)
{
    ParametrosExecucao p;
    p.empresas = execucao.parametro(QStringLiteral("Empresas"));
    p.periodos = execucao.parametro(QStringLiteral("PeriodoCalculo"));
    p.filiais = execucao.parametro(QStringLiteral("Filiais"));
    p.funcionarios = execucao.parametro(QStringLiteral("Funcionarios"));
    p.centroCustos = execucao.parametro(QStringLiteral("CentroCustos"));
    p.localContabil = execucao.parametro(QStringLiteral("LocalContabil"));
    bool ok = false;
    const int linhas = execucao.parametro(QStringLiteral("LinhasPorPagina")).toInt(&ok);
    p.linhasPorPagina = ok ? linhas : -1;
    p.camposQuebra = camposDoLeiaute(execucao.pasta(), execucao.parametro(QStringLiteral("Replicacao")));
    return p;
}

QString ContextoCelula::dataReferencia() const
{
    const QVariant maior =
        banco.valor(QStringLiteral("SELECT MAX(COMPET) FROM PERIODOCALCULO WHERE 1 = 1")
                    + BancoOraculo::condicaoLista(QStringLiteral("CODIGOEMPRESA"), parametros.empresas)
                    + BancoOraculo::condicaoLista(QStringLiteral("CODIGOPERCALCULO"), parametros.periodos));
    const QDate dia = QDate::fromString(maior.toString().left(10), Qt::ISODate);
    return QDate(dia.year(), dia.month(), dia.daysInMonth()).toString(Qt::ISODate);
}

QString ContextoCelula::quebra(const std::vector<CampoQuebra>& campos) const
{
    QString condicoes;
    const auto condicao = [&](const CampoQuebra& c) {
        condicoes += QStringLiteral(" AND %1 = %2").arg(c.coluna, literal(c.valor));
    };
    if (parametros.camposQuebra.isEmpty()) {
        for (const CampoQuebra& c : campos) {
            if (c.informado)
                condicao(c);
        }
        return condicoes;
    }
    for (const QString& nome : parametros.camposQuebra) {
        const auto c = std::find_if(campos.begin(), campos.end(),
                                    [&](const CampoQuebra& campo) { return nome == QLatin1String(campo.campo); });
        if (c == campos.end())
            throw NaoCoberto("quebra por " + nome.toStdString() + " numa função que não tem esse campo");
        condicao(*c);
    }
    return condicoes;
}

int ArgumentosOraculo::numero(int indice) const
{
    return indice < quantidade() && FValores[indice].isValid() ? arredondarPar(real(indice)) : -1;
}

double ArgumentosOraculo::real(int indice) const
{
    if (indice >= quantidade() || !FValores[indice].isValid())
        return -1.0;
    const QVariant& valor = FValores[indice];
    return valor.typeId() == QMetaType::QString ? QLocale().toDouble(valor.toString().trimmed()) : valor.toDouble();
}

QString ArgumentosOraculo::texto(int indice) const
{
    return indice < quantidade() ? FValores[indice].toString() : QString();
}

QString ArgumentosOraculo::organograma(int indice) const
{
    return texto(indice).remove(u'\'');
}

}  // namespace exemplo::testes
