#include "documento/copia_recuperacao.h"

#include "documento/arquivo_circuito.h"
#include "documento/comandos_documento.h"
#include "documento/historico_documento.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace zefira {

const char *const PERGUNTA_RECUPERAR = "Foi encontrado um circuito não salvo de %1. Deseja recuperá-lo?";

namespace {

const QString PREFIXO = QStringLiteral("circuito-");
const QString EXTENSAO_COPIA = QStringLiteral(".zfr");
const QString EXTENSAO_TRAVA = QStringLiteral(".lock");

QString trava_de(const QString &copia)
{
    return copia.left(copia.size() - EXTENSAO_COPIA.size()) + EXTENSAO_TRAVA;
}

} // namespace

QString TCopia_Recuperacao::Pasta_Padrao()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recuperacao");
}

TCopia_Recuperacao::TCopia_Recuperacao(const QString &pasta) : pasta_(pasta)
{
    QDir().mkpath(pasta_);
    // Time and process id: a later run that happens to get a dead run's process id still
    // gets a name of its own.
    const QString base = QDir(pasta_).filePath(PREFIXO + QString::number(QDateTime::currentMSecsSinceEpoch())
                                                + QLatin1Char('-') + QString::number(QCoreApplication::applicationPid()));
    arquivo_ = base + EXTENSAO_COPIA;
    trava_ = std::make_unique<QLockFile>(base + EXTENSAO_TRAVA);
    trava_->setStaleLockTime(0);
    trava_->tryLock(0);
    fila_.setMaxThreadCount(1); // writes in order, never two at once
}

TCopia_Recuperacao::~TCopia_Recuperacao() { fila_.waitForDone(); }

void TCopia_Recuperacao::tique(const TEstado &estado)
{
    if (!estado.modificado) {
        tiques_ = 0;
        if (existe_)
            apagar();
        return;
    }
    if (++tiques_ >= TIQUES_POR_COPIA) {
        tiques_ = 0;
        gravar(estado);
    }
}

void TCopia_Recuperacao::gravar(const TEstado &estado)
{
    // A running simulation moves cylinders and valves; the history's current snapshot is the
    // circuit as it was last edited, before the run.
    const bool simulando = estado.modo == MODO_SIMULACAO && estado.historico_edicao.iniciado();
    const QByteArray dados = simulando ? estado.historico_edicao.atual().circuito : Conteudo_Arquivo(estado);
    const QString nome = arquivo_;
    fila_.start([dados, nome] { Gravar_Bytes(nome, dados); });
    existe_ = true;
}

void TCopia_Recuperacao::aguardar() { fila_.waitForDone(); }

void TCopia_Recuperacao::apagar()
{
    aguardar(); // a write still under way would bring the copy back
    QFile::remove(arquivo_);
    existe_ = false;
}

void TCopia_Recuperacao::encerrar()
{
    apagar();
    trava_->unlock();
}

std::vector<TCopia_Recuperacao::TCopia_Orfa> TCopia_Recuperacao::orfas() const
{
    std::vector<TCopia_Orfa> lista;
    const QFileInfoList copias = QDir(pasta_).entryInfoList({PREFIXO + QLatin1Char('*') + EXTENSAO_COPIA}, QDir::Files);
    for (const QFileInfo &info : copias) {
        if (info.absoluteFilePath() == QFileInfo(arquivo_).absoluteFilePath())
            continue;
        // A lock still held belongs to a run that is still open.
        QLockFile trava(trava_de(info.absoluteFilePath()));
        trava.setStaleLockTime(0);
        if (!trava.tryLock(0))
            continue;
        trava.unlock();
        lista.push_back({info.absoluteFilePath(), info.lastModified()});
    }
    std::sort(lista.begin(), lista.end(), [](const TCopia_Orfa &a, const TCopia_Orfa &b) { return a.data > b.data; });
    return lista;
}

void TCopia_Recuperacao::descartar(const QString &arquivo)
{
    QFile::remove(arquivo);
    QFile::remove(trava_de(arquivo));
}

bool Oferecer_Recuperacao(TEstado &estado, TInterfaceUsuario &ui, TCopia_Recuperacao &copia)
{
    for (const TCopia_Recuperacao::TCopia_Orfa &orfa : copia.orfas()) {
        const QString pergunta = QString::fromUtf8(PERGUNTA_RECUPERAR)
                                     .arg(orfa.data.toString(QStringLiteral("dd/MM/yyyy hh:mm")));
        if (ui.perguntar(pergunta, false) != Resposta::Sim) {
            TCopia_Recuperacao::descartar(orfa.arquivo);
            continue;
        }
        Limpar_Lista(estado);
        const TResultadoLeitura r = Abrir_Arquivo(estado, orfa.arquivo);
        if (!r.mensagem.isEmpty())
            ui.mensagem(r.mensagem);
        estado.nome_documento.clear();
        estado.modificado = true;
        Iniciar_Historico(estado);
        // This run's copy holds it before the old one goes.
        copia.gravar(estado);
        copia.aguardar();
        TCopia_Recuperacao::descartar(orfa.arquivo);
        return true;
    }
    return false;
}

} // namespace zefira
