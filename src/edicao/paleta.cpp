// Palette logic: the toggle group, the pending-wire release and placement.
#include "edicao/paleta.h"

#include "edicao/fio_editor.h"
#include "edicao/selecao.h"

#include <Qt>

namespace zefira {

namespace {

void alternar_botao(TEstado &estado, int codigo)
{
    estado.botao_paleta = estado.botao_paleta == codigo ? 0 : codigo;
}

} // namespace

const TEntrada_Paleta *Botao_Paleta(int codigo)
{
    const TPeca *p = Peca_Posicionada(codigo);
    return p ? p->entrada : nullptr;
}

bool Peca_Eletrica(const TPeca &peca) { return peca.familia->eletrica() != nullptr; }

QRect Lugar_Botao_Paleta(int codigo)
{
    const TPeca *p = Peca_Posicionada(codigo);
    if (!p)
        return {};
    // Three columns of electrical symbols where two pneumatic ones stand.
    return QRect(p->entrada->x, p->entrada->y, Peca_Eletrica(*p) ? 47 : 73, 47);
}

// Right of the node, the last row's free place.
QRect Lugar_Escolha_Grupo(bool eletricos) { return QRect(80, eletricos ? 339 : 314, 73, 22); }

void SBClick(TEstado &estado, int codigo)
{
    if (estado.modo == MODO_FIO)
        Desconectar_Conexao_Pendente(estado);
    if (estado.botao_paleta != codigo) {
        estado.modo = MODO_EDICAO;
        estado.componente_atual = estado.componente_nulo;
    } else {
        estado.modo = codigo;
    }
    Liberar_Componentes(estado);
}

void Clicar_Botao_Paleta(TEstado &estado, int codigo)
{
    if (!posicionando(codigo) || !estado.controles.paleta)
        return;
    alternar_botao(estado, codigo);
    SBClick(estado, codigo);
}

void componenteMenuClick(TEstado &estado, int codigo)
{
    if (!posicionando(codigo) || !estado.controles.componentes)
        return;
    alternar_botao(estado, codigo);
    SBClick(estado, codigo);
}

void Soltar_Botoes_Paleta(TEstado &estado) { estado.botao_paleta = 0; }

void Soltar_Botao_Paleta(TEstado &estado, int codigo)
{
    if (estado.botao_paleta == codigo)
        estado.botao_paleta = 0;
}

void Soltar_Botao_Paleta(TEstado &estado, const TFamilia &familia)
{
    const TPeca *p = Peca_Posicionada(estado.botao_paleta);
    if (p && p->familia == &familia)
        estado.botao_paleta = 0;
}

void paletaKeyPress(TEstado &estado, int tecla)
{
    if (tecla == Qt::Key_Escape)
        estado.modo = MODO_EDICAO;
}

int Achar_Indice(const TEstado &estado, int codigo) { return estado.lista_componentes->indice(codigo); }

void Desconectar_Conexao_Pendente(TEstado &estado)
{
    const TComponente *fio = estado.componente_atual.get();
    if (fio && fio->e_fio()) {
        const int i = Achar_Indice(estado, fio->fio->conexao_origem);
        if (i != -1) {
            // Only a slot that really holds the mark is freed: with the origin's mark already
            // gone, no port may lose the connection it has.
            TComponente &origem = estado.lista()[i];
            for (int porta = 1; porta <= origem.numero_portas(); ++porta)
                if (origem.conexao(porta) == CONEXAO_PENDENTE) {
                    Ligar_Porta_Fio(origem, porta, LIVRE);
                    break;
                }
        }
    }
    estado.mostrar_mira = false;
    estado.mostrar_cruz = false;
    estado.segmento_destacado = TSegmento();
}

TComponente &Posicionar_Componente(TEstado &estado, int codigo, int x, int y)
{
    const TPeca *peca = Peca_Posicionada(codigo);
    Q_ASSERT(peca);
    const TVariante &v = peca->entrada->variante;
    TLista_Componente &lista = estado.lista();
    TComponente &c = lista.adicionar(peca->familia->tipo(), x, v.tipo_e_ou, v.tipo_cilindro, v.numero_vias, y);
    Soltar_Botao_Paleta(estado, codigo);
    estado.modo = MODO_EDICAO;
    peca->familia->posicionar(lista, c, v);
    estado.modificado = true;
    return c;
}

} // namespace zefira
