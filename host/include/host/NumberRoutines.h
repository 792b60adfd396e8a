#pragma once

namespace host {

// Cuts `value` to `decimals` decimal places towards zero. The value is first
// read to the 15 significant digits a double holds, so binary noise such as
// 4.35 * 100 = 434.99999999999994 does not lose a unit.
double TruncateValor(double value, int decimals);

}  // namespace host
