#pragma once
// Shared helpers of the model tests: picture comparison against the symbol library and the
// wiring of components the way the editor leaves them (both sides of every connection set).

#include "apoio/circuito.h"
#include "simbolos/imagens.h"
#include "modelo/lista_componente.h"
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

namespace zefira::teste {

// True when the picture has the pixels of the named library picture (and the name exists, so a
// typo in a test cannot compare two null images).
inline ::testing::AssertionResult mesma_figura(const TImagens &imagens, const QImage &figura, const QString &nome)
{
    if (!imagens.existe(nome))
        return ::testing::AssertionFailure() << "no picture named " << nome.toStdString();
    if (figura == imagens.copiar(nome))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "picture is not " << nome.toStdString() << " (size " << figura.width()
                                         << "x" << figura.height() << ")";
}

inline ::testing::AssertionResult porta_em(const TComponente &c, int porta, int x, int y)
{
    const TPonto p = c.ponto(porta);
    if (p.x == x && p.y == y)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "port " << porta << " at (" << p.x << ", " << p.y << "), expected (" << x
                                         << ", " << y << ")";
}

inline ::testing::AssertionResult fora_do_desenho(const TComponente &c, int porta)
{
    return porta_em(c, porta, -50, -50);
}

// An air supply docked on a valve's port 1, as the editor docks it.
inline void acoplar_tomada_valvula(TComponente &tomada, TComponente &valvula)
{
    tomada.tomada_ar->ligar(valvula.codigo, 1);
    valvula.ligar(1, tomada.codigo);
    valvula.valvula_direcional->tomada_ar = true;
}

// An air supply or AND/OR/exhaust/regulator valve docked on a cylinder port. Only a regulator
// records the port number on its side.
inline void acoplar_no_cilindro(TComponente &acoplado, TComponente &cilindro, int porta)
{
    if (acoplado.tomada_ar)
        acoplado.tomada_ar->ligar(cilindro.codigo, porta);
    else
        acoplado.valvula_e_ou_esc_reg->ligar(1, cilindro.codigo, porta);
    cilindro.ligar(porta, acoplado.codigo);
}

} // namespace zefira::teste
