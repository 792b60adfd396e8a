#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace catalog {

inline QStringList textos(std::span<const char* const> lista)
{
    QStringList resultado;
    for (const char* texto : lista) {
        resultado.append(QString::fromUtf8(texto));
    }
    return resultado;
}

}  // namespace catalog
