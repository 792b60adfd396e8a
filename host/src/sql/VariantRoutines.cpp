#include "host/VariantRoutines.h"

#include "VariantReader.h"

#include <limits>

namespace host {

int VarToIntDef(const QVariant& value, int def)
{
    const std::optional<qint64> whole = VariantReader::wholeNumber(value);
    if (!whole || *whole < std::numeric_limits<int>::min() || *whole > std::numeric_limits<int>::max()) {
        return def;
    }
    return static_cast<int>(*whole);
}

QDateTime VarToDateTimeDef(const QVariant& value, const QDateTime& def)
{
    const QDateTime moment = VariantReader::moment(value);
    return moment.isValid() ? moment : def;
}

}  // namespace host
