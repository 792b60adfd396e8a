#include "FuncaoOraculo.h"

#include <QDate>
#include <QLocale>

#include <cmath>

namespace exemplo::testes {

QString textoReal(double valor)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::OmitLeadingZeroInExponent);
    return locale.toString(valor, 'g', 15);
}

QString textoColuna(const QVariant& valor, Tipo tipo)
{
    if (!valor.isValid() || valor.isNull())
        return {};
    switch (tipo) {
    case Tipo::Inteiro:
        return QString::number(valor.toLongLong());
    case Tipo::Real:
        return textoReal(valor.toDouble());
    case Tipo::Data:
        // SQLite keeps dates as ISO text.
        return QLocale().toString(QDate::fromString(valor.toString().left(10), Qt::ISODate), QLocale::ShortFormat);
    case Tipo::Texto:
        break;
    }
    return valor.toString();
}

int arredondarPar(double valor)
{
    return static_cast<int>(std::nearbyint(valor));
}

}  // namespace exemplo::testes
