#pragma once
// Helpers shared by the circuit file tests: crafted files in a temporary folder and the small
// circuit used as the bundled example.

#include "documento/arquivo_circuito.h"
#include "modelo/estado.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace zefira::teste {

inline QByteArray ler_bytes(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool gravar_bytes(const QString &caminho, const QByteArray &dados)
{
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(dados) == dados.size();
}

// The bytes with line 2 (the date and time of the save) taken out.
inline QByteArray sem_data(const QByteArray &dados)
{
    const qsizetype a = dados.indexOf("\r\n");
    const qsizetype b = dados.indexOf("\r\n", a + 2);
    return a < 0 || b < 0 ? dados : dados.left(a) + dados.mid(b);
}

inline std::shared_ptr<TComponente> novo(TEstado &e, int tipo, int codigo, int esquerda, int topo, int vias = -1,
                                         int tipo_cilindro = -1, int tipo_e_ou = -1)
{
    auto c = std::make_shared<TComponente>(e.imagens, codigo, tipo_e_ou, tipo_cilindro, vias, topo, esquerda, tipo);
    e.lista().adicionar_existente(c, false, false);
    return c;
}

// A single-acting cylinder moved by a 3-way valve with a spring on the right, a lever on the
// left and an air supply docked on its port 1; one wire from the valve's port 2 to the
// cylinder's port 1.
inline void montar_exemplo(TEstado &e)
{
    auto cil = novo(e, TIPO_CILINDRO, 2, 86, 39, -1, 1);
    cil->cilindro->nome = QStringLiteral("A");
    cil->cilindro->ligar(true, 4);

    auto val = novo(e, TIPO_VALVULA_DIRECIONAL, 3, 60, 173, 3);
    TValvula_Direcional &v = *val->valvula_direcional;
    v.definir_parte(1, 4);
    v.definir_parte(2, 5);
    v.mola_dir = true;
    v.definir_acao_manual(false, 3);
    v.ligar(1, 5);
    v.ligar(2, 4);
    v.tomada_ar = true;
    v.descricao = QStringLiteral("a2");

    auto fio = novo(e, TIPO_FIO, 4, -1, -1);
    fio->fio->ligar(true, 3, 2);
    fio->fio->ligar(false, 2, 1);
    const int pontos[][2] = {{90, 168}, {90, 87}, {90, 87}, {90, 71}};
    for (const auto &p : pontos)
        fio->fio->adicionar_ponto(p[0], p[1]);

    auto tom = novo(e, TIPO_TOMADA_AR, 5, 84, 204);
    tom->tomada_ar->ligar(3, 1);

    for (int i = 0; i < e.lista().numero_componentes(); ++i)
        e.lista()[i].atualizar_geometria();
}

} // namespace zefira::teste
