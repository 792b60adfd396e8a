#pragma once

namespace catalog {

// The field number that an item of the function's catalogue must write to
// fetch the datum its caption names, given the number its menu row carries.
int numeroCorrigido(const char* funcao, int numero);

}  // namespace catalog
