#include "ChamadaFolha.h"

#include "ExecucaoModelo.h"

#include <spreadsheet/Reference.h>

#include <QRegularExpression>

#include <stdexcept>

namespace exemplo::testes {

namespace {

// The argument list between the outer parentheses, split at the top-level
// separators; quoted texts keep their separators.
QStringList separar(const QString& lista)
{
    QStringList partes;
    QString atual;
    bool aspas = false;
    int nivel = 0;
    for (QChar c : lista) {
        if (c == u'"')
            aspas = !aspas;
        if (!aspas && c == u'(')
            ++nivel;
        if (!aspas && c == u')')
            --nivel;
        if (!aspas && nivel == 0 && c == u';') {
            partes << atual;
            atual.clear();
            continue;
        }
        atual += c;
    }
    if (!partes.isEmpty() || !atual.isEmpty())
        partes << atual;
    return partes;
}

QVariant valorDaCelula(const FotoPagina& pagina, const QString& texto)
{
    spreadsheet::CellAddress endereco;
    bool colunaFixa = false;
    bool linhaFixa = false;
    if (!spreadsheet::parseCellCorner(texto, endereco, colunaFixa, linhaFixa))
        throw std::invalid_argument("argumento ilegível: " + texto.toStdString());
    const spreadsheet::Value valor = pagina.valor(endereco.row, endereco.column);
    if (valor.isNumber())
        return valor.number();
    if (valor.isText())
        return valor.text();
    return {};
}

}  // namespace

std::optional<ChamadaFolha> ChamadaFolha::ler(const QString& formula)
{
    static const QRegularExpression chamada(QStringLiteral("^((?:fpa|ger)[A-Za-z0-9]+)\\((.*)\\)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QString valor = QStringLiteral("VALUE(");
    QString texto = formula.trimmed().mid(1);
    ChamadaFolha resultado;
    resultado.emValor = texto.startsWith(valor, Qt::CaseInsensitive) && texto.endsWith(u')');
    if (resultado.emValor)
        texto = texto.mid(valor.size(), texto.size() - valor.size() - 1);
    const QRegularExpressionMatch match = chamada.match(texto);
    if (!formula.startsWith(u'=') || !match.hasMatch())
        return std::nullopt;
    resultado.funcao = match.captured(1);
    resultado.argumentos = separar(match.captured(2));
    return resultado;
}

QVariantList ChamadaFolha::valores(const FotoPagina& pagina) const
{
    QVariantList lidos;
    for (const QString& bruto : argumentos) {
        const QString texto = bruto.trimmed();
        bool numero = false;
        const double valor = texto.toDouble(&numero);
        if (texto.isEmpty())
            lidos << QVariant();
        else if (numero)
            lidos << valor;
        else if (texto.startsWith(u'"'))
            lidos << texto.mid(1, texto.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
        else
            lidos << valorDaCelula(pagina, texto);
    }
    return lidos;
}

}  // namespace exemplo::testes
