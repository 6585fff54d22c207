// The work area's input handlers.
#include "edicao/area_trabalho.h"

#include "edicao/area_transferencia.h"
#include "modelo/direcao_porta.h"
#include "edicao/fio_editor.h"
#include "modelo/mover_componentes.h"
#include "edicao/paleta.h"
#include "documento/historico_documento.h"
#include "simulacao/simulacao.h"

#include <Qt>

namespace zefira {

namespace {

// The component, from the top of the list down, whose marked port can take a wire end; -1.
int Achar_Porta_Marcada(const TEstado &estado)
{
    const TLista_Componente &lista = *estado.lista_componentes;
    for (int i = lista.numero_componentes() - 1; i >= 0; --i)
        if (Porta_Marcada_Livre(lista[i]))
            return i;
    return -1;
}

// Left press while editing: start a wire, pick a component or wire, or start a rubber band.
void Pressionar_Editando(TEstado &estado, bool shift_esquerdo, int x, int y)
{
    TLista_Componente &lista = estado.lista();
    estado.direcao_inicial = DIRECAO_CIMA;

    const int com_porta = Achar_Porta_Marcada(estado);
    if (com_porta != -1) {
        estado.modificado = true;
        Iniciar_Fio(estado, com_porta, lista[com_porta].ponto_ativo);
        return;
    }

    const TPonto p(x, y);
    int indice = -1;
    if (estado.ignorar_clique)
        estado.ignorar_clique = false;
    else
        indice = Achar_Componente(estado, p);
    estado.indice_arrasto = indice;

    if (indice == -1) {
        estado.modificado = true;
        if (!shift_esquerdo)
            Liberar_Componentes(estado);
        // A bend point ends the search; a segment hit is overridden by a later wire.
        for (int i = 0; i < lista.numero_componentes(); ++i) {
            if (!lista[i].e_fio())
                continue;
            if (Achar_Ponto(estado, i, p) != -1) {
                estado.indice_arrasto = i;
                break;
            }
            if (Perto_Das_Semi_Retas(estado, i, p).segmento != -1)
                estado.indice_arrasto = i;
        }
    }

    if (estado.indice_arrasto == -1) {
        if (estado.ignorar_selecao) {
            estado.ignorar_selecao = false;
            return;
        }
        estado.cantos_selecao[0] = p;
        estado.cantos_selecao[1] = p;
        estado.selecionando = true;
        estado.mostrar_cruz = false;
        return;
    }

    estado.modificado = true;
    TComponente &c = lista[estado.indice_arrasto];
    if (!c.selecionado()) {
        if (!shift_esquerdo)
            Liberar_Componentes(estado);
        c.selecionar();
        ++estado.numero_selecionados;
    } else if (shift_esquerdo) {
        c.desselecionar();
        --estado.numero_selecionados;
    }
    // Selected without Shift: the selection stays as it is, so the whole group drags.
}

// Right press while editing: select the component under the pointer and open the context menu.
void Menu_Contexto(TEstado &estado, TInterfaceUsuario &ui, int x, int y)
{
    const int i = Achar_Componente(estado, TPonto(x, y));
    if (i == -1) {
        estado.componente_atual = estado.componente_nulo;
        Liberar_Componentes(estado);
        return;
    }
    DesenharBolinha(estado, -10, -10); // no port marker under an open menu
    TComponente &c = estado.lista()[i];
    estado.componente_atual = estado.lista().componente(i);
    Liberar_Componentes(estado);

    const TFamilia::TComandos comandos = c.familia().comandos(c);
    TItensMenuContexto itens;
    itens.propriedades = !c.familia().dialogo_propriedades(c).isEmpty() || comandos.liberar;
    itens.rotacionar = comandos.rotacionar;
    c.selecionar();
    estado.modificado = true;
    ++estado.numero_selecionados;

    // The clipboard items act on the selection exactly as the Edit menu's do.
    switch (ui.menu_contexto(itens, x, y)) {
    case ItemMenuContexto::Cortar: cortarClick(estado); break;
    case ItemMenuContexto::Copiar: copiarClick(estado); break;
    case ItemMenuContexto::Colar: colarClick(estado); break;
    case ItemMenuContexto::Excluir: deletarClick(estado, ui); break;
    case ItemMenuContexto::Rotacionar:
        if (itens.rotacionar)
            rotacionarClick(estado);
        break;
    case ItemMenuContexto::Propriedades:
        if (itens.propriedades)
            propriedadesClick(estado, ui);
        break;
    default: break;
    }
}

// Docked supplies and regulators sit on their host's port again after a drag.
void Encaixar_Acoplados(TEstado &estado)
{
    TLista_Componente &lista = estado.lista();
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        TComponente &c = lista[i];
        if (c.familia().encaixar(lista, c))
            Reassentar_Ligacoes(estado, i);
    }
}

} // namespace

void FormCreate(TEstado &estado, int largura, int altura)
{
    estado.mostrar_mira = false;
    estado.mostrar_cruz = false;
    estado.segmento_destacado = TSegmento();
    estado.ignorar_clique = false;
    estado.ignorar_selecao = false;
    estado.tempo_acumulado = 0;
    FormResize(estado, largura, altura);
}

void FormResize(TEstado &estado, int largura, int altura)
{
    estado.largura_area = largura;
    estado.altura_area = altura;
}

void imagemMouseDown(TEstado &estado, TInterfaceUsuario &ui, BotaoMouse botao, TShiftState shift, int x, int y)
{
    estado.mouse_x = x;
    estado.mouse_y = y;
    // A press always happens where the pointer is: a drag measures its first step from here,
    // whether or not a move event reported this position before the press.
    estado.x_anterior = x;
    estado.y_anterior = y;
    estado.arrastou = false;
    const bool shift_esquerdo = shift == (SHIFT_SHIFT | SHIFT_ESQUERDO);
    const int modo_antes = estado.modo;

    if (botao == BotaoMouse::Esquerdo) {
        if (estado.modo == MODO_EDICAO) {
            Pressionar_Editando(estado, shift_esquerdo, x, y);
            estado.botao_fio = estado.modo == MODO_FIO;
        } else if (estado.modo == MODO_FIO) {
            // Bends are not placed by hand: only a marked free port finishes the wire.
            const int i = Achar_Porta_Marcada(estado);
            if (i != -1)
                Finalizar_Fio(estado, i);
        } else if (posicionando(estado.modo)) {
            Posicionar_Componente(estado, estado.modo, x, y);
        } else if (estado.modo == MODO_SIMULACAO) {
            Pressionar_Acionador(estado, x, y);
        }
    } else if (botao == BotaoMouse::Direito) {
        if (posicionando(estado.modo)) {
            Soltar_Botoes_Paleta(estado);
            estado.modo = MODO_EDICAO;
        } else if (estado.modo == MODO_EDICAO) {
            Menu_Contexto(estado, ui, x, y);
        }
    }
    Registrar_Edicao(estado, modo_antes == MODO_FIO ? QStringLiteral("ligar fio") : QStringLiteral("inserir"));
}

TCursor imagemMouseMove(TEstado &estado, TShiftState shift, int x, int y)
{
    estado.mouse_x = x;
    estado.mouse_y = y;
    TLista_Componente &lista = estado.lista();
    const int dx = somar(x, -std::int64_t(estado.x_anterior)), dy = somar(y, -std::int64_t(estado.y_anterior));

    if (estado.indice_arrasto != -1) {
        // On a dense screen the pointer reports moves smaller than a circuit pixel: a move of
        // nothing is no drag, and must not re-lay the wires of what was merely clicked.
        if (dx != 0 || dy != 0) {
            estado.arrastou = true;
            for (int i = 0; i < lista.numero_componentes(); ++i)
                if (lista[i].selecionado())
                    Mover_Componentes(estado, i, dx, dy);
        }
    } else if (estado.modo == MODO_EDICAO || estado.modo == MODO_FIO) {
        if (estado.selecionando) {
            estado.cantos_selecao[1] = TPonto(x, y);
        } else if (DesenharBolinha(estado, x, y)) {
            estado.mostrar_mira = true;
        } else if (estado.modo == MODO_EDICAO) {
            estado.mostrar_mira = false;
            estado.segmento_destacado = TSegmento();
            bool achou = false;
            for (int i = 0; i < lista.numero_componentes() && !achou; ++i) {
                if (!lista[i].e_fio())
                    continue;
                const TSegmento s = Perto_Das_Semi_Retas(estado, i, TPonto(x, y));
                if (s.segmento != -1) {
                    estado.segmento_destacado = s;
                    achou = true;
                }
            }
            estado.mostrar_cruz = achou;
        }
        if (estado.modo == MODO_FIO) {
            if (estado.botao_fio && (shift & SHIFT_ESQUERDO) && (dx != 0 || dy != 0))
                estado.arrastou = true;
            // The loose end follows the pointer in a straight line until the wire is finished.
            TComponente *fio = estado.componente_atual.get();
            if (fio && fio->e_fio() && fio->fio->numero_pontos() > 0)
                fio->fio->ponto(fio->fio->numero_pontos() - 1) = TPonto(x, y);
        }
    }

    estado.x_anterior = x;
    estado.y_anterior = y;
    return atualizar_cursor(estado);
}

void imagemMouseUp(TEstado &estado, TShiftState shift, int x, int y)
{
    estado.segmento_destacado = TSegmento();
    estado.mostrar_cruz = false;
    // A wire carried from its port with the button held ends on the free port where the
    // button is let go; released anywhere else it goes on as a wire started by a click.
    const bool fio_arrastado = estado.modo == MODO_FIO && estado.botao_fio && estado.arrastou;
    estado.botao_fio = false;
    if (fio_arrastado) {
        const int i = Achar_Porta_Marcada(estado);
        if (i != -1) {
            Finalizar_Fio(estado, i);
            Registrar_Edicao(estado, QStringLiteral("ligar fio"));
        }
    }
    if (estado.indice_arrasto != -1) {
        estado.indice_arrasto = -1;
        // A click that moved nothing leaves everything where it was.
        if (estado.arrastou)
            Encaixar_Acoplados(estado);
    } else if (estado.selecionando) {
        // Only a band in progress selects: a release after a press that started a wire or
        // picked nothing must not toggle whatever lies in an old rectangle.
        estado.cantos_selecao[1] = TPonto(x, y);
        SelecionarDentroQuadrado(estado);
        estado.selecionando = false;
    }
    if (estado.modo == MODO_SIMULACAO)
        Soltar_Acionadores(estado, shift == SHIFT_SHIFT);
    // One whole drag, with the docking it caused, is one step.
    Registrar_Edicao(estado, QStringLiteral("mover"));
}

namespace {

// The property dialog of the component at index i (-1: none), and what follows its OK.
void Abrir_Propriedades(TEstado &estado, TInterfaceUsuario &ui, int i)
{
    if (i != -1) {
        TLista_Componente &lista = estado.lista();
        const std::shared_ptr<TComponente> c = lista.componente(i);
        estado.componente_atual = c;
        const TFamilia::TComandos comandos = c->familia().comandos(*c);
        if (!c->familia().dialogo_propriedades(*c).isEmpty()) {
            ui.editar_propriedades(estado, *c);
            if (comandos.acionadores)
                AtualizarAcionadores(estado);
            if (comandos.reassentar)
                Reassentar_Ligacoes(estado, lista.indice(c->codigo));
            // A valve the dialog left fed on a free port 1 (pasted, or its supply taken away)
            // gets a supply docked there.
            if (c->familia().alimentar(lista, *c))
                if (const TComponente *suprimento = lista.procurar(c->conexao(1)))
                    Soltar_Botao_Paleta(estado, suprimento->familia());
            // The press that belongs to the double click arrives after the dialog closed.
            estado.ignorar_clique = true;
            estado.ignorar_selecao = true;
        } else if (comandos.liberar) {
            estado.componente_atual = estado.componente_nulo;
            Liberar_Componentes(estado);
        }
    }
    // No further press follows a menu command.
    if (estado.via_menu) {
        estado.via_menu = false;
        estado.ignorar_clique = false;
        estado.ignorar_selecao = false;
    }
    Registrar_Edicao(estado, QStringLiteral("alterar propriedades"));
}

} // namespace

void imagemDblClick(TEstado &estado, TInterfaceUsuario &ui)
{
    const int i = estado.modo == MODO_EDICAO ? Achar_Componente(estado, TPonto(estado.mouse_x, estado.mouse_y)) : -1;
    Abrir_Propriedades(estado, ui, i);
}

void FormKeyDown(TEstado &estado, int tecla, TShiftState shift)
{
    if (tecla == Qt::Key_Escape) {
        if (estado.modo == MODO_FIO) {
            const TComponente *fio = estado.componente_atual.get();
            if (fio && fio->e_fio() && fio->fio->numero_pontos() == 2) {
                Desconectar_Conexao_Pendente(estado);
                estado.componente_atual = estado.componente_nulo;
                estado.modo = MODO_EDICAO;
            }
        } else if (estado.modo != MODO_SIMULACAO) {
            // Only the stop command ends a simulation; the palette button stays down.
            estado.modo = MODO_EDICAO;
        }
        Registrar_Edicao(estado, QStringLiteral("ligar fio"));
        return;
    }

    int dx = 0, dy = 0;
    switch (tecla) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return;
    }
    if (estado.numero_selecionados < 1)
        return;
    estado.indice_arrasto = -2;
    imagemMouseMove(estado, shift, somar(estado.mouse_x, dx), somar(estado.mouse_y, dy));
    estado.indice_arrasto = -1;
    Registrar_Edicao(estado, QStringLiteral("mover"));
}

void FormKeyUp(TEstado &estado, int, TShiftState shift) { imagemMouseUp(estado, shift, 0, 0); }

QString Dica_Ponteiro(const TEstado &estado)
{
    if (estado.modo == MODO_FIO) {
        if (estado.botao_fio)
            return QStringLiteral("Solte sobre outra porta livre para ligar o tubo");
        return QStringLiteral("Clique em outra porta livre para terminar o tubo (Esc desiste)");
    }
    if (estado.modo == MODO_EDICAO && estado.indice_arrasto == -1 && !estado.selecionando && Achar_Porta_Marcada(estado) != -1)
        return QStringLiteral("Clique ou arraste até outra porta para ligar um tubo");
    return QString();
}

void deletarClick(TEstado &estado, TInterfaceUsuario &ui) { TBexcluirClick(estado, ui); }

void propriedadesClick(TEstado &estado, TInterfaceUsuario &ui)
{
    estado.via_menu = true;
    imagemDblClick(estado, ui);
}

void propriedadesSelecionadoClick(TEstado &estado, TInterfaceUsuario &ui)
{
    if (estado.modo != MODO_EDICAO)
        return;
    const TLista_Componente &lista = estado.lista();
    int unico = -1;
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        if (!lista[i].selecionado())
            continue;
        if (unico != -1)
            return; // several selected: whose dialog would it be?
        unico = i;
    }
    if (unico == -1)
        return;
    estado.via_menu = true;
    Abrir_Propriedades(estado, ui, unico);
}

void rotacionarClick(TEstado &estado)
{
    TComponente *c = estado.componente_atual.get();
    if (!c || !c->familia().rotacionar(*c))
        return;
    Registrar_Edicao(estado, QStringLiteral("rotacionar"));
}

} // namespace zefira
