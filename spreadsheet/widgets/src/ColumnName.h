#pragma once

#include <QString>

namespace spreadsheet::widgets {

// "A" for column 0, "Z" for 25, "AA" for 26.
QString columnName(int column);

}  // namespace spreadsheet::widgets
