#pragma once
// TEstado: the document, editor and simulation state of one running program. Every operation
// takes it by reference; tests create a fresh one.

#include "simbolos/imagens.h"
#include "modelo/controles.h"
#include "modelo/historico.h"
#include "modelo/historico_passos.h"
#include "modelo/lista_componente.h"
#include "modelo/lista_no.h"
#include "modelo/modo.h"
#include "modelo/ponto.h"
#include "modelo/vista.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace zefira {

struct TSegmento {
    int componente = -1; // code of the wire
    int segmento = -1;   // index of the segment's first point
};

struct TEstado {
    TEstado();

    // The symbol library; model objects copy their pictures from it. Declared first so it
    // outlives the lists that refer to it.
    TImagens imagens;

    // --- document ---
    std::unique_ptr<TLista_Componente> lista_componentes;
    std::unique_ptr<TLista_No> lista_nos;
    QStringList observacoes; // the circuit's notes, one entry per line
    bool modificado = false;
    QString nome_documento;  // "" unnamed, or " - " + file name, or " - DEMO - " + title
    bool perguntar_ao_salvar = false;
    bool novo_confirmado = false;
    QString pasta_programa;  // folder of the executable, with a trailing separator
    QString pasta_arquivos;  // where the open and save dialogs start ("MeusArquivos")
    THistorico historico_edicao; // undo and redo; `modificado` follows its saved snapshot
    // The document's file as last opened or saved here (invalid / -1: none): a save over a
    // file that another program changed since asks first.
    QDateTime data_arquivo;
    qint64 tamanho_arquivo = -1;

    // --- editor ---
    int modo = MODO_EDICAO; // editing, drawing a wire, placing or simulating (model/modo.h)
    // Palette button held down (its placement mode), 0 when all are up. The buttons form one
    // toggle group, so the palette's state is a single code the shell mirrors onto its buttons.
    int botao_paleta = 0;
    std::shared_ptr<TComponente> componente_nulo;
    std::shared_ptr<TComponente> componente_atual;
    int numero_selecionados = 0;
    int indice_arrasto = -1;
    bool selecionando = false;
    TPonto cantos_selecao[2];
    bool mostrar_mira = false;
    bool mostrar_cruz = false;
    TSegmento segmento_destacado;
    int mouse_x = 0, mouse_y = 0;
    int x_anterior = 0, y_anterior = 0;
    // Since the last press: the pointer moved with the left button held, so the gesture is a
    // drag (it moved components, or it carries a wire to the port where it is released).
    bool arrastou = false;
    bool botao_fio = false; // the left button that started the wire in progress is still held
    int direcao_inicial = 0;
    bool ignorar_clique = false;
    bool ignorar_selecao = false;
    bool via_menu = false;
    // Move limits: the drawing surface's size in circuit pixels (the window's when it does not
    // scroll).
    int largura_area = 1000;
    int altura_area = 650;
    // Zoom and scroll of the work area; the pointer tolerances follow its zoom.
    TVista vista;
    QImage figura_acionador;
    std::vector<std::shared_ptr<TComponente>> area_transferencia;

    // --- simulation ---
    Tno *no_raiz = nullptr; // owned by lista_nos
    int vazao_minima = 2000;
    int tempo_acumulado = 0;
    bool acionadores_atualizados = false;
    // Counts simulation steps and rest-state updates: a view that saw the same count and no
    // input since its last repaint has nothing new to show.
    std::uint64_t revisao_simulacao = 0;
    // Why the run stopped by itself (a short circuit), until the window has shown it.
    QString aviso_simulacao;
    TControles controles;
    int intervalo_passo = 400;    // ms between steps: the chosen speed
    THistorico_Passos historico;  // positions after each step since the last fresh start
    // The cylinders' force label shows p × A of the chamber under pressure instead of the
    // fuzzy estimate (Exibir menu).
    bool mostrar_forca_teorica = false;
    // The circuit as a fresh start found it (an undo snapshot's bytes); the stop puts it back.
    QByteArray circuito_partida;

    // Source of the wire routing's random offset: returns an integer in [0, n).
    std::function<int(int)> aleatorio;

    TLista_Componente &lista() { return *lista_componentes; }
};

} // namespace zefira
