#pragma once
// TParte: one position square of a directional valve symbol, with its picture.

#include <QImage>
#include <QString>

namespace zefira {

class TImagens;

class TParte {
public:
    TParte(const TImagens &imagens, int tipo);

    int tipo() const { return tipo_; }
    bool selecionado() const { return selecionado_; }
    void selecionar();
    void desselecionar();
    const QImage &figura() const { return figura_; }

    // Picture name of a square symbol code; empty for codes that have none (0, above 16).
    static QString nome_figura(int tipo);

private:
    void recarregar();

    const TImagens *imagens_;
    int tipo_;
    bool selecionado_ = false;
    QImage figura_;
};

} // namespace zefira
