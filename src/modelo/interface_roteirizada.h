#pragma once
// TInterfaceRoteirizada: a user port that answers from a script instead of a person. Used by
// zefira-cli and the tests: questions take the queued answers (Yes when none is queued), file
// dialogs take the queued names, and every question and message is recorded.

#include "modelo/interface_usuario.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace zefira {

class TInterfaceRoteirizada : public TInterfaceUsuario {
public:
    Resposta perguntar(const QString &texto, bool com_cancelar) override;
    void mensagem(const QString &texto) override;
    // Recorded as a message; the detail goes to `detalhes`.
    void aviso(const QString &texto, const QString &detalhe) override;
    QString escolher_arquivo_abrir(const QString &pasta) override;
    QString escolher_arquivo_salvar(const QString &pasta) override;
    ItemMenuContexto menu_contexto(const TItensMenuContexto &habilitados, int x, int y) override;

    std::deque<Resposta> respostas;       // answers for the next questions
    std::deque<QString> arquivos;         // names for the next file dialogs ("" = cancel)
    std::deque<ItemMenuContexto> itens_menu; // choices for the next context menus (none = dismissed)
    std::vector<TItensMenuContexto> menus;   // enabled items of every context menu shown, in order
    QStringList registro;                 // "pergunta: TEXT" / "mensagem: TEXT", in order
    QStringList detalhes;                 // the detail of every warning, in order
    std::function<void(const QString &)> ao_registrar; // called with each new record line

private:
    void registrar(const QString &linha);
};

} // namespace zefira
