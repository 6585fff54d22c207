#pragma once
// TInterfaceQt: the user port shown with real Qt message boxes and file dialogs.

#include "model/interface_usuario.h"

class QWidget;

namespace zefira {

class TInterfaceQt : public TInterfaceUsuario {
public:
    explicit TInterfaceQt(QWidget *pai = nullptr) : pai_(pai) {}
    void definir_pai(QWidget *pai) { pai_ = pai; }
    // The work area, whose coordinates the context menu's position is given in.
    void definir_area(QWidget *area) { area_ = area; }

    Resposta perguntar(const QString &texto, bool com_cancelar) override;
    void mensagem(const QString &texto) override;
    QString escolher_arquivo_abrir(const QString &pasta) override;
    QString escolher_arquivo_salvar(const QString &pasta) override;
    ItemMenuContexto menu_contexto(const TItensMenuContexto &habilitados, int x, int y) override;

private:
    QWidget *pai_;
    QWidget *area_ = nullptr;
};

} // namespace zefira
