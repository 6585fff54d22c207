#include "shell/interface_qt.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace zefira {

namespace {
const QString FILTRO_ABRIR = QStringLiteral("Arquivos ZEFIRA (*.zfr);;Arquivos Texto (*.txt);;Todos os Arquivos (*.*)");
const QString FILTRO_SALVAR = QStringLiteral("Arquivos ZEFIRA (*.zfr);;Arquivos Texto (*.txt)");
} // namespace

Resposta TInterfaceQt::perguntar(const QString &texto, bool com_cancelar)
{
    QMessageBox::StandardButtons botoes = QMessageBox::Yes | QMessageBox::No;
    if (com_cancelar)
        botoes |= QMessageBox::Cancel;
    switch (QMessageBox::question(pai_, QStringLiteral("ZEFIRA"), texto, botoes)) {
    case QMessageBox::Yes: return Resposta::Sim;
    case QMessageBox::No: return Resposta::Nao;
    default: return com_cancelar ? Resposta::Cancelar : Resposta::Nao;
    }
}

void TInterfaceQt::mensagem(const QString &texto) { QMessageBox::information(pai_, QStringLiteral("ZEFIRA"), texto); }

QString TInterfaceQt::escolher_arquivo_abrir(const QString &pasta)
{
    QFileDialog dialogo(pai_, QString(), pasta, FILTRO_ABRIR);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setDefaultSuffix(QStringLiteral("zfr"));
    return dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty() ? dialogo.selectedFiles().first()
                                                                                   : QString();
}

QString TInterfaceQt::escolher_arquivo_salvar(const QString &pasta)
{
    QFileDialog dialogo(pai_, QString(), pasta, FILTRO_SALVAR);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(QStringLiteral("zfr"));
    // The replace question is the program's own, asked after the dialog closes.
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    return dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty() ? dialogo.selectedFiles().first()
                                                                                   : QString();
}

ItemMenuContexto TInterfaceQt::menu_contexto(const TItensMenuContexto &habilitados, int x, int y)
{
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
    const QPoint ponto = base ? base->mapToGlobal(QPoint(x, y)) : QPoint(x, y);
    QAction *escolhida = menu.exec(ponto);
    return escolhida ? ItemMenuContexto(escolhida->data().toInt()) : ItemMenuContexto::Nenhum;
}

} // namespace zefira
