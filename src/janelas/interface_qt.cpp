#include "janelas/interface_qt.h"

#include "janelas/arquivoatual.h"

#include "janelas/dialogos_propriedades.h"
#include "modelo/estado.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace zefira {

namespace {
const QString FILTRO_ABRIR = QStringLiteral("Arquivos ZEFIRA (*.zfr);;Arquivos Texto (*.txt);;Todos os Arquivos (*.*)");
const QString FILTRO_SALVAR = QStringLiteral("Arquivos ZEFIRA (*.zfr);;Arquivos Texto (*.txt)");
// When a modal box or dialog closes, the keyboard goes back to the program's main window
// (without a window manager nothing else would give it back).
struct DevolverFoco {
    QWidget *janela;
    ~DevolverFoco()
    {
        if (janela && janela->window()->isVisible())
            janela->window()->activateWindow();
    }
};

} // namespace

bool TInterfaceQt::editar_propriedades(TEstado &estado, TComponente &componente)
{
    DevolverFoco foco{pai_};
    return Editar_Propriedades(dialogos_, estado, componente);
}

Resposta TInterfaceQt::perguntar(const QString &texto, bool com_cancelar)
{
    DevolverFoco foco{pai_};
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("ZEFIRA"), texto, QMessageBox::NoButton, pai_);
    QPushButton *sim = caixa.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
    QPushButton *nao = caixa.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
    QPushButton *cancelar = com_cancelar ? caixa.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole) : nullptr;
    caixa.setDefaultButton(sim);
    caixa.setEscapeButton(cancelar ? cancelar : nao);
    caixa.exec();
    if (caixa.clickedButton() == sim)
        return Resposta::Sim;
    if (caixa.clickedButton() == nao || !cancelar)
        return Resposta::Nao;
    return Resposta::Cancelar;
}

void TInterfaceQt::mensagem(const QString &texto)
{
    DevolverFoco foco{pai_};
    QMessageBox::information(pai_, QStringLiteral("ZEFIRA"), texto);
}

void TInterfaceQt::aviso(const QString &texto, const QString &detalhe)
{
    DevolverFoco foco{pai_};
    QMessageBox caixa(QMessageBox::Warning, QStringLiteral("ZEFIRA"), texto, QMessageBox::Ok, pai_);
    caixa.setDetailedText(detalhe);
    caixa.exec();
}

QString TInterfaceQt::pasta_inicial(const QString &pasta) const
{
    return !ultima_pasta_.isEmpty() && QFileInfo(ultima_pasta_).isDir() ? ultima_pasta_ : pasta;
}

QString TInterfaceQt::lembrar_pasta(const QString &nome)
{
    if (!nome.isEmpty())
        ultima_pasta_ = QFileInfo(nome).absolutePath();
    return nome;
}

QString TInterfaceQt::escolher_arquivo_abrir(const QString &pasta)
{
    DevolverFoco foco{pai_};
    QFileDialog dialogo(pai_, QString(), pasta_inicial(pasta), FILTRO_ABRIR);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setDefaultSuffix(QStringLiteral("zfr"));
    return lembrar_pasta(dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty()
                             ? dialogo.selectedFiles().first()
                             : QString());
}

QString TInterfaceQt::escolher_arquivo_salvar(const QString &pasta)
{
    DevolverFoco foco{pai_};
    QFileDialog dialogo(pai_, QString(), pasta_inicial(pasta), FILTRO_SALVAR);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(QStringLiteral("zfr"));
    // The replace question is the program's own, asked after the dialog closes.
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    return lembrar_pasta(dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty()
                             ? dialogo.selectedFiles().first()
                             : QString());
}

QString TInterfaceQt::escolher_arquivo_exportar(const QString &pasta, double &escala)
{
    // The file type chosen is the format; PNG comes in three sizes.
    struct Tipo {
        const char *filtro;
        const char *extensao;
        double escala;
    };
    static const Tipo TIPOS[] = {
        {"PNG 100 % (*.png)", "png", 1}, {"PNG 200 % (*.png)", "png", 2}, {"PNG 300 % (*.png)", "png", 3},
        {"SVG (*.svg)", "svg", 1},       {"PDF (*.pdf)", "pdf", 1},
    };
    QStringList filtros;
    for (const Tipo &t : TIPOS)
        filtros << QString::fromUtf8(t.filtro);
    DevolverFoco foco{pai_};
    QFileDialog dialogo(pai_, QStringLiteral("Exportar"), pasta, filtros.join(QStringLiteral(";;")));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo, [&dialogo, filtros](const QString &f) {
        dialogo.setDefaultSuffix(QString::fromLatin1(TIPOS[std::max<qsizetype>(0, filtros.indexOf(f))].extensao));
    });
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    const Tipo &tipo = TIPOS[std::max<qsizetype>(0, filtros.indexOf(dialogo.selectedNameFilter()))];
    QString nome = dialogo.selectedFiles().first();
    // A name typed with another picture extension keeps it; otherwise the chosen type's is added.
    const QString sufixo = QFileInfo(nome).suffix().toLower();
    if (sufixo != QLatin1String("png") && sufixo != QLatin1String("svg") && sufixo != QLatin1String("pdf"))
        nome += QLatin1Char('.') + QString::fromLatin1(tipo.extensao);
    escala = QFileInfo(nome).suffix().toLower() == QLatin1String("png") ? tipo.escala : 1;
    return nome;
}

ItemMenuContexto TInterfaceQt::menu_contexto(const TItensMenuContexto &habilitados, int x, int y)
{
    DevolverFoco foco{pai_};
    QMenu menu(area_ ? area_ : pai_);
    menu.setObjectName(QStringLiteral("PopupMenu"));
    const auto item = [&menu](const char *legenda, bool habilitado, ItemMenuContexto valor) {
        QAction *a = menu.addAction(QString::fromUtf8(legenda));
        a->setEnabled(habilitado);
        a->setData(int(valor));
    };
    item("Cor&tar", habilitados.cortar, ItemMenuContexto::Cortar);
    item("&Copiar", habilitados.copiar, ItemMenuContexto::Copiar);
    item("C&olar", habilitados.colar, ItemMenuContexto::Colar);
    item("&Excluir", habilitados.excluir, ItemMenuContexto::Excluir);
    menu.addSeparator();
    item("&Rotacionar", habilitados.rotacionar, ItemMenuContexto::Rotacionar);
    menu.addSeparator();
    item("&Propriedades...", habilitados.propriedades, ItemMenuContexto::Propriedades);
    QWidget *base = area_ ? area_ : pai_;
    // (x, y) is a circuit point: the work area knows where its zoom and scroll put it.
    const auto *area = qobject_cast<TFormArquivo *>(area_);
    const QPoint local = area ? area->para_tela(x, y) : QPoint(x, y);
    const QPoint ponto = base ? base->mapToGlobal(local) : local;
    QAction *escolhida = menu.exec(ponto);
    return escolhida ? ItemMenuContexto(escolhida->data().toInt()) : ItemMenuContexto::Nenhum;
}

void TInterfaceQt::progresso(const QString &texto, int feito, int total)
{
    if (feito >= total) {
        progresso_.reset();
        return;
    }
    if (!progresso_) {
        // Window-modal: the circuit cannot be touched while it is being read, but the window
        // keeps painting. Qt shows the dialog only if the task outlasts its minimum duration.
        progresso_ = std::make_unique<QProgressDialog>(texto, QString(), 0, total, pai_);
        progresso_->setWindowTitle(QStringLiteral("ZEFIRA"));
        progresso_->setWindowModality(Qt::WindowModal);
        progresso_->setMinimumDuration(500);
        progresso_->setAutoReset(false);
        progresso_->setAutoClose(false);
    }
    progresso_->setMaximum(total);
    progresso_->setValue(feito);
}

} // namespace zefira
