#include "model/interface_roteirizada.h"

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

QString TInterfaceRoteirizada::escolher_arquivo_abrir(const QString &)
{
    if (arquivos.empty())
        return QString();
    QString nome = arquivos.front();
    arquivos.pop_front();
    return nome;
}

QString TInterfaceRoteirizada::escolher_arquivo_salvar(const QString &pasta) { return escolher_arquivo_abrir(pasta); }

} // namespace zefira
