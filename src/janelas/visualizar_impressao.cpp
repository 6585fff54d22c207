#include "janelas/visualizar_impressao.h"

#include "desenho/impressao.h"

#include <QAction>
#include <QDate>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <memory>

namespace zefira {

QPrintPreviewDialog *Criar_Visualizar_Impressao(TEstado &estado, QWidget *pai)
{
    // The dialog owns its printer through a shared pointer kept alive by its connections.
    auto impressora = std::make_shared<QPrinter>(QPrinter::HighResolution);
    impressora->setPageOrientation(Orientacao_Impressao(estado));
    impressora->setDocName(Nome_Impressao(estado));
    auto *dialogo = new QPrintPreviewDialog(impressora.get(), pai);
    dialogo->setObjectName(QStringLiteral("VisualizarImpressao"));
    dialogo->setWindowTitle(QStringLiteral("Visualizar Impressão"));

    auto *observacoes = new QAction(QStringLiteral("Observações"), dialogo);
    observacoes->setObjectName(QStringLiteral("imprimir_observacoes"));
    observacoes->setCheckable(true);
    observacoes->setChecked(!estado.observacoes.join(QString()).trimmed().isEmpty());
    observacoes->setToolTip(QStringLiteral("Imprimir as observações abaixo do circuito"));
    if (QToolBar *barra = dialogo->findChild<QToolBar *>()) {
        barra->addSeparator();
        barra->addAction(observacoes);
    }
    QObject::connect(observacoes, &QAction::toggled, dialogo, [dialogo] {
        if (auto *previa = dialogo->findChild<QPrintPreviewWidget *>())
            previa->updatePreview();
    });
    QObject::connect(dialogo, &QPrintPreviewDialog::paintRequested, dialogo,
                     [&estado, observacoes, impressora](QPrinter *p) {
                         const QString data = QLocale(QLocale::Portuguese, QLocale::Brazil)
                                                  .toString(QDate::currentDate(), QStringLiteral("dd/MM/yyyy"));
                         Imprimir_Circuito(estado, *p, data, observacoes->isChecked());
                     });
    return dialogo;
}

void imprimirClick(TEstado &estado, QWidget *pai)
{
    std::unique_ptr<QPrintPreviewDialog> dialogo(Criar_Visualizar_Impressao(estado, pai));
    dialogo->exec();
}

} // namespace zefira
