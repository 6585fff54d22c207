#pragma once
// The icons of the menus and the toolbar, 16 x 16 (and 2x, 3x for dense screens), drawn in code;
// and the program's icon.

#include <QIcon>

namespace zefira {

enum IndiceIcone {
    ICONE_NOVO, ICONE_ABRIR, ICONE_SALVAR, ICONE_CORTAR, ICONE_COPIAR, ICONE_COLAR, ICONE_EXCLUIR,
    ICONE_PARAR, ICONE_INICIAR, ICONE_PAUSAR, ICONE_FECHAR, ICONE_OBSERVACOES, ICONE_BIBLIOTECA,
    ICONE_UNICO_PASSO, ICONE_DESFAZER, ICONE_REFAZER,
    NUMERO_ICONES
};

QIcon Icone(int indice);
// The icon drawn `escala` times larger, for a screen of that pixel density.
QImage Figura_Icone(int indice, int escala = 1);

// The program's own icon (windows, menu entry, file type), drawn from its vector picture.
extern const int TAMANHOS_ICONE_PROGRAMA[8]; // 16 to 256 pixels
QImage Figura_Programa(int tamanho);
QIcon Icone_Programa();

} // namespace zefira
