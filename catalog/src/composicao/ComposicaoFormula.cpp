#include "catalog/ComposicaoFormula.h"

namespace catalog {

namespace {

bool blankOrControl(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}

QString trimmed(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && blankOrControl(text.at(begin)))
        ++begin;
    while (end > begin && blankOrControl(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

}  // namespace

QString GerarFormula(const QString& funcao, const QString& campo, const std::vector<ValorParametro>& editores)
{
    QStringList arguments;
    if (!campo.isEmpty())
        arguments << campo;
    for (const ValorParametro& editor : editores) {
        const QString value = trimmed(editor.valor);
        if (!value.isEmpty())
            arguments << value;
    }
    return QLatin1Char('=') + funcao + QLatin1Char('(') + arguments.join(QLatin1Char(';')) + QLatin1Char(')');
}

void AjustarParamFpa(std::vector<ValorParametro>& editores)
{
    bool laterHasValue = false;
    for (auto it = editores.rbegin(); it != editores.rend(); ++it) {
        const QString value = it->valor.trimmed();
        if (it->nome == QLatin1String("nOrganograma")) {
            const bool reference = !value.isEmpty() && value.at(0).isLetter();
            if ((!value.isEmpty() && !reference) || (value.isEmpty() && laterHasValue))
                it->valor = QLatin1Char('"') + value + QLatin1Char('"');
        } else if (value.isEmpty() && laterHasValue) {
            it->valor = QStringLiteral("-1");
        }
        laterHasValue = laterHasValue || !value.isEmpty();
    }
}

}  // namespace catalog
