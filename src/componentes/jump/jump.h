#pragma once
// TJump: a junction point with four ports (a filled disc).

#include <QImage>

namespace zefira {

class TImagens;

class TJump {
public:
    explicit TJump(const TImagens &imagens);

    void ligar(int porta, int codigo);
    void desligar(int porta) { ligar(porta, -1); }
    int conexao(int porta) const;

    void selecionar();
    void desselecionar();
    bool selecionado() const { return selecionado_; }
    void recarregar();

    QImage figura;

private:
    const TImagens *imagens_;
    int conexao_[4] = {-1, -1, -1, -1};
    bool selecionado_ = false;
};

} // namespace zefira
