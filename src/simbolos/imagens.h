#pragma once
// TImagens: the symbol library. Every picture the program draws is taken from here by name,
// black on white, with a "_selec" variant in which every black pixel is pure red.

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

namespace zefira {

class TImagens {
public:
    // Draws every picture once; copies handed out afterwards share the pixels (QImage is
    // implicitly shared), so copying a picture costs nothing.
    TImagens();

    // A copy of the named picture (with or without "_selec"); a null image for an unknown name.
    QImage copiar(const QString &nome) const;
    // Copies the named picture into destino; an unknown name leaves destino as it was.
    bool copiar(const QString &nome, QImage &destino) const;
    // Width and height of the named picture; an invalid size for an unknown name.
    QSize tamanho(const QString &nome) const;
    bool existe(const QString &nome) const;

    // The base names and their sizes, in table order (without "_selec").
    struct Entrada {
        const char *nome;
        int largura;
        int altura;
    };
    static const Entrada *tabela(int &quantidade);

private:
    QHash<QString, QImage> figuras;
};

} // namespace zefira
