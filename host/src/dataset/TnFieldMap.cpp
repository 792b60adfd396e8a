#include "host/TnFieldMap.h"

#include "host/HostError.h"
#include "host/TnClientDataSet.h"

namespace host {

void TnFieldMap::Campo(const char* name, TnField*& slot)
{
    if (binding_ == nullptr) {
        throw HostError(QStringLiteral("Mapa de campos usado fora do mapeamento: %1").arg(QLatin1String(name)));
    }
    slot = &binding_->FieldByName(QString::fromUtf8(name));
}

}  // namespace host
