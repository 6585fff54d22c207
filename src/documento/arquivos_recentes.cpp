#include "documento/arquivos_recentes.h"

#include "documento/comandos_documento.h"

#include <QDir>
#include <QFileInfo>

namespace zefira {

namespace {

// One spelling per file, so "a/../b.zfr" and "b.zfr" are one entry.
QString normalizar(const QString &nome) { return nome.isEmpty() ? QString() : QFileInfo(nome).absoluteFilePath(); }

} // namespace

TArquivosRecentes::TArquivosRecentes(const QStringList &nomes)
{
    // Oldest first, so the first of the stored list ends on top.
    for (auto it = nomes.crbegin(); it != nomes.crend(); ++it)
        registrar(*it);
}

void TArquivosRecentes::registrar(const QString &nome)
{
    const QString arquivo = normalizar(nome);
    if (arquivo.isEmpty())
        return;
    nomes_.removeAll(arquivo);
    nomes_.prepend(arquivo);
    while (nomes_.size() > MAXIMO)
        nomes_.removeLast();
}

void TArquivosRecentes::remover(const QString &nome) { nomes_.removeAll(normalizar(nome)); }

bool TArquivosRecentes::registrar_documento(const QString &nome_documento)
{
    // " - " + file name; a demonstration's " - DEMO - " + title names no file.
    if (!nome_documento.startsWith(QStringLiteral(" - ")) || nome_documento.startsWith(QStringLiteral(" - DEMO - ")))
        return false;
    const QStringList antes = nomes_;
    registrar(nome_documento.mid(3));
    return nomes_ != antes;
}

bool Abrir_Recente(TEstado &estado, TInterfaceUsuario &ui, TArquivosRecentes &recentes, const QString &nome)
{
    if (!QFileInfo::exists(nome)) {
        recentes.remover(nome);
        ui.mensagem(QStringLiteral("Arquivo não encontrado!\n%1\nEle foi retirado da lista de arquivos recentes.")
                        .arg(QDir::toNativeSeparators(nome)));
        return false;
    }
    if (!Abrir_Escolhido(estado, ui, nome))
        return false;
    recentes.registrar(nome);
    return true;
}

} // namespace zefira
