#include "catalog/FormatoDataHora.h"

#include "EscritorDataHora.h"
#include "PartesDataHora.h"

namespace catalog {

QString FormatoDataHora::formatar(double dataHora, const QString& formato, const QLocale& locale)
{
    const PartesDataHora partes = PartesDataHora::de(dataHora);
    return EscritorDataHora(partes, locale).escrever(formato);
}

}  // namespace catalog
