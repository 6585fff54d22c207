#pragma once
// TConfiguracao_Figuras: the drop-down symbol picker of the valve dialog without its window.
// Holds the working copy the valve dialog and the picker share (position symbols and actuator
// codes), the lists the picker offers, their layout and picking a row by its height.

#include <QString>
#include <QStringList>
#include <vector>

namespace zefira {

class TImagens;

// List codes held in tipo_lista.
enum ListaFiguras : int {
    LISTA_NENHUMA = -1,
    LISTA_MANUAL_ESQ = 1,
    LISTA_MANUAL_DIR = 2,
    LISTA_MECANICA_ESQ = 3,
    LISTA_MECANICA_DIR = 4,
    LISTA_POSICOES_2VIAS = 7, // 7..10: position symbols for 2..5 ways
    LISTA_POSICOES_5VIAS = 10,
};

class TConfiguracao_Figuras {
public:
    int tipo_lista = LISTA_NENHUMA;
    int posicao_editada = 1;
    int figura_posicao[4] = {0, 0, 0, 0}; // positions 1..3; index 0 unused
    int manual_esq = 0, manual_dir = 0;
    int mecanica_esq = 0, mecanica_dir = 0;

    int &manual(bool dir) { return dir ? manual_dir : manual_esq; }
    int &mecanica(bool dir) { return dir ? mecanica_dir : mecanica_esq; }

    static bool lista_de_posicoes(int tipo) { return tipo >= LISTA_POSICOES_2VIAS && tipo <= LISTA_POSICOES_5VIAS; }
    static bool lista_de_acionadores(int tipo) { return tipo >= LISTA_MANUAL_ESQ && tipo <= LISTA_MECANICA_DIR; }
    // Picture names of the rows of a list, row 0 always "nada"; empty for an unknown list.
    static QStringList figuras_lista(int tipo);
    // Names of the actuator rows (the tooltips); empty for position lists.
    static QStringList nomes_lista(int tipo);
    static int numero_linhas(int tipo) { return int(figuras_lista(tipo).size()); }
    // Top of each row as painted; the bitmaps sit at x = 4.
    static std::vector<int> topos_linhas(const TImagens &imagens, int tipo);
    // Window height that fits the list; -1 for an unknown list (the height stays as it was).
    static int altura_lista(const TImagens &imagens, int tipo);

    // Row under window ordinate y for a window of height altura: cells of equal height,
    // the margin under the last row belonging to it. -1 for an unknown list.
    int linha_em(int altura, int y) const;
    // A mouse press: stores the row's code where the current list writes, true when stored.
    // The caller hides the picker in every case.
    bool escolher(int altura, int y);
    // The tooltip at ordinate y for actuator lists; false leaves the tooltip as it was.
    bool dica_em(int altura, int y, QString &dica) const;
};

} // namespace zefira
