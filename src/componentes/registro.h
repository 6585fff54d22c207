#pragma once
// The one list of component families. Everything that must know every kind (palette, file
// fields, drawing, walk, dialogs) iterates Familias() or asks Familia(tipo).

#include "componentes/familia.h"

#include <vector>

namespace zefira {

// The tag each family writes in circuit files (TComponente::tipo, TFamilia::tipo()).
enum TipoComponente : int {
    TIPO_NENHUM = -1,
    TIPO_VALVULA_DIRECIONAL = 1,
    TIPO_TOMADA_AR = 2,
    TIPO_CILINDRO = 3,
    TIPO_FIO = 4,
    TIPO_E_OU_ESC_REG = 5,
    TIPO_JUMP = 6,
};

// In the order of their file tags.
const std::vector<const TFamilia *> &Familias();
// The family of a file tag; an unknown tag gets a family with no ports that does nothing.
const TFamilia &Familia(int tipo);

} // namespace zefira
