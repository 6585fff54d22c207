#pragma once
// A new tube record for the wire editor: no code, no points, not in any list yet.

#include "modelo/componente.h"

#include <memory>

namespace zefira {

std::shared_ptr<TComponente> Novo_Fio(const TImagens &imagens);

} // namespace zefira
