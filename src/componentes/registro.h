#pragma once
// The one list of component families. Everything that must know every kind (palette, file
// fields, drawing, walk, dialogs) iterates Familias() or asks Familia(tipo).

#include "componentes/familia.h"

#include <vector>

namespace zefira {

// In the order of their file tags.
const std::vector<const TFamilia *> &Familias();
// The family of a file tag; an unknown tag gets a family with no ports that does nothing.
const TFamilia &Familia(int tipo);

} // namespace zefira
