#pragma once
// TCaminhos_Corrente: the current paths of the electrical diagram, numbered as a ladder drawing
// numbers its columns, and the list of a coil's contacts by path that the drawing shows under it.
//
// Numbering rule: every electrical part but the terminals and the junctions (they lie on the
// rails and on the links between paths) stands in one path; parts whose boxes overlap
// horizontally stand in the same path; the paths are numbered 1, 2, 3... from left to right.

#include <QStringList>
#include <QHash>
#include <vector>

namespace zefira {

class TComponente;
class TLista_Componente;

class TCaminhos_Corrente {
public:
    explicit TCaminhos_Corrente(const TLista_Componente &lista);

    // The path a part stands in; 0 for one that stands in none.
    int caminho(const TComponente &c) const { return caminhos_.value(&c, 0); }
    // Under a coil or counter: "NA 2, 5" and "NF 3", the paths of the contacts that carry its
    // tag, in ascending order (a changeover counts on both lines); a line without contacts is
    // left out.
    QStringList contatos(const TComponente &bobina) const;

    // Where each path's number is written: in one row above the diagram's topmost electrical
    // part, centred on port 1 of the topmost part over the path (its terminal, usually).
    struct TNumero {
        int numero, x, y;
    };
    const std::vector<TNumero> &numeros() const { return numeros_; }

private:
    const TLista_Componente &lista_;
    std::vector<TNumero> numeros_;
    QHash<const TComponente *, int> caminhos_;
};

} // namespace zefira
