#pragma once
// TTomada_Ar: a compressed-air supply with one port, docked on a component or wired.

#include <QImage>

namespace zefira {

class TImagens;

class TTomada_Ar {
public:
    explicit TTomada_Ar(const TImagens &imagens);

    int pressao = 6;     // bar
    int conexao = -1;    // code of the component the port is attached to
    int pino = -1;       // port number on that component
    bool fuzzy = false;  // set by the supply dialog; never stored

    void ligar(int conexao_, int pino_)
    {
        conexao = conexao_;
        pino = pino_;
    }
    void desligar() { ligar(-1, -1); }

    void selecionar();
    void desselecionar();
    bool selecionado() const { return selecionado_; }
    void recarregar();

    QImage figura;

private:
    const TImagens *imagens_;
    bool selecionado_ = false;
};

} // namespace zefira
