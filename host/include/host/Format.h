#pragma once

#include <QString>
#include <QStringList>

namespace host {

// Positional text formatting with Delphi's directives for texts:
// "%s" (the next argument), "%1:s" (argument 1; the following "%s" takes
// argument 2), "%-10s" and "%.3s" (width and precision), "%%" (a percent sign).
// The type letter may be upper case. Raises HostError ("Formato inválido: ...")
// for a directive it cannot read or an argument that is not there.
QString Format(const QString& pattern, const QStringList& arguments);

}  // namespace host
