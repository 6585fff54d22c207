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
    // The electrical parts (componentes/eletrico): their ports carry current, not air.
    TIPO_BORNE = 7,
    TIPO_BOTAO = 8,
    TIPO_SENSOR = 9,
    TIPO_PRESSOSTATO = 10,
    TIPO_BOBINA = 11,
    TIPO_CONTADOR = 12,
    TIPO_CONTATO = 13,
    TIPO_SOLENOIDE = 14,
    TIPO_LAMPADA = 15,
    TIPO_DERIVACAO = 16,
};

// In the order of their file tags.
const std::vector<const TFamilia *> &Familias();
// The family of a file tag; an unknown tag gets a family with no ports that does nothing.
const TFamilia &Familia(int tipo);

} // namespace zefira
