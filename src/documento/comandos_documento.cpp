#include "documento/comandos_documento.h"

#include "documento/arquivo_circuito.h"
#include "documento/historico_documento.h"
#include "documento/nome_arquivo.h"
#include "documento/pasta_dados.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zefira {

const char *const PERGUNTA_SALVAR = "Deseja salvar o Sistema Atual?";

namespace {

const QString PREFIXO_DEMO = QStringLiteral(" - DEMO - ");

QString pergunta_salvar() { return QString::fromUtf8(PERGUNTA_SALVAR); }

} // namespace

// The folder for circuit files beside the program; an installed program's folder belongs to
// the system (and is often read-only), so the user's documents folder is the fallback.
QString Preparar_Pasta_Arquivos(const QString &pasta_programa)
{
    const QString junto = pasta_programa + QStringLiteral("MeusArquivos");
    if (!Programa_Instalado(pasta_programa) && QDir().mkpath(junto) && QFileInfo(junto).isWritable())
        return junto;
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString alternativa = QDir(documentos.isEmpty() ? QDir::homePath() : documentos).filePath("MeusArquivos");
    QDir().mkpath(alternativa);
    return alternativa;
}

namespace {

bool sem_conteudo(const TEstado &e) { return e.lista_componentes->numero_componentes() == 0 && e.nome_documento.isEmpty(); }

// Remembers the file as the document now knows it: its modification time and size.
void anotar_arquivo(TEstado &estado, const QString &nome)
{
    const QFileInfo info(nome);
    estado.data_arquivo = info.exists() ? info.lastModified() : QDateTime();
    estado.tamanho_arquivo = info.exists() ? info.size() : -1;
}

// The document's file was changed by another program since it was opened or saved here.
bool alterado_por_outro(const TEstado &estado, const QString &nome)
{
    const QFileInfo info(nome);
    return estado.data_arquivo.isValid() && info.exists()
           && (info.lastModified() != estado.data_arquivo || info.size() != estado.tamanho_arquivo);
}

bool escrever(TEstado &estado, TInterfaceUsuario &ui, const QString &nome)
{
    QString motivo;
    if (Salvar_Arquivo(estado, nome, &motivo)) {
        anotar_arquivo(estado, nome);
        return true;
    }
    ui.aviso(QStringLiteral("Erro ao salvar arquivo!"),
             QStringLiteral("Arquivo: %1\nMotivo: %2").arg(QDir::toNativeSeparators(nome), motivo));
    return false;
}

// Yes to "save first?" followed by a save that did not happen abandons the pending action,
// so the circuit is never discarded unsaved.
bool salvar_antes(TEstado &estado, TInterfaceUsuario &ui)
{
    estado.perguntar_ao_salvar = false;
    return salvarClick(estado, ui);
}

} // namespace

void Limpar_Lista(TEstado &estado)
{
    estado.acionadores_atualizados = false;
    estado.lista_componentes = std::make_unique<TLista_Componente>(estado.imagens);
    estado.lista_nos = std::make_unique<TLista_No>();
    estado.observacoes.clear();
    estado.historico.limpar();
    estado.indice_arrasto = -1;
    estado.modo = MODO_EDICAO;
    estado.componente_nulo = std::make_shared<TComponente>(estado.imagens, -1, -1, -1, -1, -1, -1, TIPO_NENHUM);
    estado.componente_atual = estado.componente_nulo;
    estado.cantos_selecao[0] = TPonto(0, 0);
    estado.cantos_selecao[1] = TPonto(0, 0);
    estado.numero_selecionados = 0;
    estado.nome_documento.clear();
    estado.modificado = false;
    anotar_arquivo(estado, QString());
    if (QCoreApplication::instance())
        estado.pasta_programa = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    estado.pasta_arquivos = Preparar_Pasta_Arquivos(estado.pasta_programa);
    estado.no_raiz = estado.lista_nos->adicionar(std::make_unique<Tno>());
    Iniciar_Historico(estado);
}

void novoClick(TEstado &estado, TInterfaceUsuario &ui)
{
    if (sem_conteudo(estado)) {
        Limpar_Lista(estado);
        return;
    }
    switch (ui.perguntar(pergunta_salvar(), true)) {
    case Resposta::Sim:
        if (!salvar_antes(estado, ui)) {
            estado.novo_confirmado = false;
            return;
        }
        Limpar_Lista(estado);
        break;
    case Resposta::Nao: Limpar_Lista(estado); break;
    case Resposta::Cancelar: estado.novo_confirmado = false; break;
    }
}

bool Abrir_Documento(TEstado &estado, TInterfaceUsuario &ui, const QString &nome)
{
    Limpar_Lista(estado);
    // Taken before reading: a change made while the file is read is a change after opening.
    anotar_arquivo(estado, nome);
    const QString texto = QStringLiteral("Abrindo circuito...");
    const TResultadoLeitura r = Abrir_Arquivo(estado, nome, [&](int feito, int total) {
        ui.progresso(texto, feito, total);
    });
    ui.progresso(texto, 1, 1);
    if (r.status == StatusLeitura::ErroAbrir) {
        ui.mensagem(QStringLiteral("Erro ao abrir arquivo!"));
        return false;
    }
    estado.perguntar_ao_salvar = true;
    if (r.status == StatusLeitura::Invalido) {
        ui.mensagem(r.mensagem);
        // What was read is a fragment of the file: it stays unnamed and modified, so no plain
        // save can overwrite the damaged file with it.
        estado.nome_documento.clear();
        estado.modificado = true;
    } else {
        estado.nome_documento = QStringLiteral(" - ") + nome;
    }
    Iniciar_Historico(estado);
    return true;
}

void abrirClick(TEstado &estado, TInterfaceUsuario &ui)
{
    const QString nome = ui.escolher_arquivo_abrir(estado.pasta_arquivos);
    if (nome.isEmpty())
        return;
    Abrir_Escolhido(estado, ui, nome);
}

bool Abrir_Escolhido(TEstado &estado, TInterfaceUsuario &ui, const QString &nome)
{
    if (!Existe_Arquivo(nome)) {
        ui.mensagem(QStringLiteral("Arquivo não encontrado!"));
        return false;
    }
    if (estado.lista_componentes->numero_componentes() > 0 && estado.modificado) {
        switch (ui.perguntar(pergunta_salvar(), true)) {
        case Resposta::Sim:
            if (!salvar_antes(estado, ui))
                return false;
            break;
        case Resposta::Nao: break;
        case Resposta::Cancelar: return false;
        }
    }
    return Abrir_Documento(estado, ui, nome);
}

bool Abrir_Copia(TEstado &estado, TInterfaceUsuario &ui, const QString &nome)
{
    if (!Abrir_Escolhido(estado, ui, nome))
        return false;
    estado.nome_documento.clear();
    return true;
}

bool Abrir_Arquivo_Inicial(TEstado &estado, TInterfaceUsuario &ui, const QString &nome)
{
    if (!Existe_Arquivo(nome)) {
        ui.mensagem(QStringLiteral("Arquivo não encontrado!"));
        return false;
    }
    // The document keeps the full name, so a later save goes to the same file whatever the
    // current folder is then.
    return Abrir_Documento(estado, ui, Caminho_Absoluto(nome));
}

bool salvarClick(TEstado &estado, TInterfaceUsuario &ui)
{
    // A demonstration has no file behind it: its first save asks for a name like an
    // unnamed document does.
    if (estado.nome_documento.isEmpty() || estado.nome_documento.startsWith(PREFIXO_DEMO))
        return salvarcomoClick(estado, ui);
    const QString nome = estado.nome_documento.mid(3);
    bool escrito = false;
    if (!estado.perguntar_ao_salvar || ui.perguntar(pergunta_salvar(), true) == Resposta::Sim) {
        // Another program's version is not replaced unasked; No keeps it and the circuit
        // stays modified.
        if (!alterado_por_outro(estado, nome)
            || ui.perguntar(QStringLiteral("O arquivo %1 foi alterado por outro programa depois de aberto. "
                                           "Deseja substituí-lo?")
                                .arg(QDir::toNativeSeparators(nome)),
                            false)
                   == Resposta::Sim)
            escrito = escrever(estado, ui, nome);
    }
    estado.perguntar_ao_salvar = true;
    return escrito;
}

bool salvarcomoClick(TEstado &estado, TInterfaceUsuario &ui)
{
    const QString nome = ui.escolher_arquivo_salvar(estado.pasta_arquivos);
    if (nome.isEmpty())
        return false;
    if (QFileInfo::exists(nome)
        && ui.perguntar(QStringLiteral("Arquivo já existe!\n\rDeseja substitui-lo?"), false) != Resposta::Sim)
        return false;
    if (!escrever(estado, ui, nome))
        return false;
    estado.nome_documento = QStringLiteral(" - ") + nome;
    return true;
}

bool FormClose(TEstado &estado, TInterfaceUsuario &ui)
{
    if (sem_conteudo(estado))
        return true;
    switch (ui.perguntar(pergunta_salvar(), true)) {
    case Resposta::Sim: return salvar_antes(estado, ui);
    case Resposta::Nao: return true;
    case Resposta::Cancelar: return false;
    }
    return false;
}

} // namespace zefira
