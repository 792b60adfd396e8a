#include "Oraculo.h"

#include "ChamadaFolha.h"
#include "ContextoOraculo.h"
#include "FuncaoOraculo.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace exemplo::testes {

namespace {

constexpr double kMeioCentavo = 0.005;

struct Familia {
    const char* nome;
    std::span<const FuncaoOraculo> (*funcoes)();
};

constexpr std::array<Familia, 3> kFamilias{{
    {"cadastro", funcoesCadastro},
    {"movimento", funcoesMovimento},
    {"provisão", funcoesProvisao},
}};

std::optional<double> numero(const spreadsheet::Value& valor)
{
    if (valor.isNumber())
        return valor.number();
    bool ok = false;
    const double lido = QLocale().toDouble(valor.text(), &ok);
    return valor.isText() && ok ? std::optional<double>(lido) : std::nullopt;
}

}  // namespace

std::optional<RegraOraculo> acharRegra(const QString& funcao)
{
    for (const Familia& familia : kFamilias) {
        for (const FuncaoOraculo& f : familia.funcoes()) {
            if (funcao.compare(QLatin1String(f.nome), Qt::CaseInsensitive) == 0)
                return RegraOraculo{familia.nome, &f};
        }
    }
    return std::nullopt;
}

spreadsheet::Value valorEsperado(const ChamadaFolha& chamada, const FotoPagina& pagina, const ContextoCelula& contexto)
{
    const std::optional<RegraOraculo> regra = acharRegra(chamada.funcao);
    if (!regra)
        throw NaoCoberto(chamada.funcao.toStdString());
    const QVariant esperado = regra->funcao->esperado(ArgumentosOraculo(chamada.valores(pagina)), contexto);
    if (esperado.typeId() != QMetaType::QString)
        return esperado.toDouble();
    if (!chamada.emValor)
        return esperado.toString();
    bool ok = false;
    const double convertido = QLocale().toDouble(esperado.toString(), &ok);
    return ok ? spreadsheet::Value(convertido) : spreadsheet::Value::error(spreadsheet::ErrorCode::Value);
}

bool mesmoValor(const spreadsheet::Value& obtido, const spreadsheet::Value& esperado)
{
    if (obtido.type() != esperado.type())
        return false;
    if (obtido == esperado)
        return true;
    const std::optional<double> a = numero(obtido);
    const std::optional<double> b = numero(esperado);
    // A text is only let off its last digits when it is a sum in its
    // shortest form; a formatted text (hours, nine decimals) must match.
    const bool somaEmTexto = esperado.isText() && b && textoReal(*b) == esperado.text();
    return a && b && (esperado.isNumber() || somaEmTexto) && std::fabs(*a - *b) <= kMeioCentavo;
}

QString descrever(const spreadsheet::Value& valor)
{
    switch (valor.type()) {
    case spreadsheet::ValueType::Number:
        return QString::number(valor.number(), 'g', 15);
    case spreadsheet::ValueType::Text:
        return QLatin1Char('"') + valor.text() + QLatin1Char('"');
    case spreadsheet::ValueType::Error:
        return spreadsheet::errorText(valor.error());
    case spreadsheet::ValueType::Boolean:
        return valor.boolean() ? QStringLiteral("VERDADEIRO") : QStringLiteral("FALSO");
    case spreadsheet::ValueType::Empty:
    case spreadsheet::ValueType::Array:
        break;
    }
    return QStringLiteral("(vazio)");
}

}  // namespace exemplo::testes
