#include "modelo/interface_roteirizada.h"

namespace zefira {

void TInterfaceRoteirizada::registrar(const QString &linha)
{
    registro << linha;
    if (ao_registrar)
        ao_registrar(linha);
}

Resposta TInterfaceRoteirizada::perguntar(const QString &texto, bool com_cancelar)
{
    registrar(QStringLiteral("pergunta: ") + texto);
    if (respostas.empty())
        return Resposta::Sim;
    Resposta r = respostas.front();
    respostas.pop_front();
    if (r == Resposta::Cancelar && !com_cancelar)
        r = Resposta::Nao; // a Yes/No box has no Cancel button
    return r;
}

void TInterfaceRoteirizada::mensagem(const QString &texto) { registrar(QStringLiteral("mensagem: ") + texto); }

void TInterfaceRoteirizada::aviso(const QString &texto, const QString &detalhe)
{
    detalhes << detalhe;
    mensagem(texto);
}

QString TInterfaceRoteirizada::escolher_arquivo_abrir(const QString &)
{
    if (arquivos.empty())
        return QString();
    QString nome = arquivos.front();
    arquivos.pop_front();
    return nome;
}

QString TInterfaceRoteirizada::escolher_arquivo_salvar(const QString &pasta) { return escolher_arquivo_abrir(pasta); }

ItemMenuContexto TInterfaceRoteirizada::menu_contexto(const TItensMenuContexto &habilitados, int, int)
{
    menus.push_back(habilitados);
    if (itens_menu.empty())
        return ItemMenuContexto::Nenhum;
    const ItemMenuContexto item = itens_menu.front();
    itens_menu.pop_front();
    // A disabled item cannot be clicked: the menu closes without a choice.
    const bool habilitado = (item == ItemMenuContexto::Rotacionar && habilitados.rotacionar) ||
                            (item == ItemMenuContexto::Propriedades && habilitados.propriedades) ||
                            (item == ItemMenuContexto::Cortar && habilitados.cortar) ||
                            (item == ItemMenuContexto::Copiar && habilitados.copiar) ||
                            (item == ItemMenuContexto::Colar && habilitados.colar) ||
                            (item == ItemMenuContexto::Excluir && habilitados.excluir);
    return habilitado ? item : ItemMenuContexto::Nenhum;
}

} // namespace zefira
