#pragma once

#include "host/TParams.h"

#include <QString>
#include <QVariantList>

namespace host {

// Values by position go to the distinct parameter names of the query in
// order of first appearance; surplus values are ignored, and a type already
// known for a name (from an earlier run of the same query) is kept.
TParams paramsByPosition(const QString& sql, const QVariantList& values, const TParams* known);

}  // namespace host
