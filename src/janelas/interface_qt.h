#pragma once
// TInterfaceQt: the user port shown with real Qt message boxes and file dialogs.

#include "modelo/interface_usuario.h"

#include <QList>
#include <QProgressDialog>
#include <memory>

class QWidget;

namespace zefira {

class TInterfaceQt : public TInterfaceUsuario {
public:
    explicit TInterfaceQt(QWidget *pai = nullptr) : pai_(pai) {}
    // The work area, whose coordinates the context menu's position is given in.
    void definir_area(QWidget *area) { area_ = area; }
    // The property dialogs created at start-up, among which editar_propriedades finds the one
    // for a component's kind.
    void definir_dialogos(const QList<QWidget *> &dialogos) { dialogos_ = dialogos; }
    // The folder of the last file chosen in a file dialog; the next dialog starts there.
    void definir_ultima_pasta(const QString &pasta) { ultima_pasta_ = pasta; }
    const QString &ultima_pasta() const { return ultima_pasta_; }

    Resposta perguntar(const QString &texto, bool com_cancelar) override;
    void mensagem(const QString &texto) override;
    void aviso(const QString &texto, const QString &detalhe) override;
    QString escolher_arquivo_abrir(const QString &pasta) override;
    QString escolher_arquivo_salvar(const QString &pasta) override;
    QString escolher_arquivo_exportar(const QString &pasta, double &escala) override;
    ItemMenuContexto menu_contexto(const TItensMenuContexto &habilitados, int x, int y) override;
    bool editar_propriedades(TEstado &estado, TComponente &componente) override;
    void progresso(const QString &texto, int feito, int total) override;

private:
    QString pasta_inicial(const QString &pasta) const;
    QString lembrar_pasta(const QString &nome);

    QWidget *pai_;
    QWidget *area_ = nullptr;
    QList<QWidget *> dialogos_;
    QString ultima_pasta_;
    std::unique_ptr<QProgressDialog> progresso_;
};

} // namespace zefira
