#include "janelas/janela_verificacao.h"

#include "edicao/selecao.h"
#include "modelo/estado.h"
#include "janelas/arquivoatual.h"
#include "simulacao/verificacao_circuito.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace zefira {

TJanelaVerificacao::TJanelaVerificacao(TEstado &estado, TFormArquivo *area, QWidget *pai)
    : QDialog(pai, Qt::Tool), estado_(estado), area_(area)
{
    setObjectName(QStringLiteral("TJanelaVerificacao"));
    setWindowTitle(QStringLiteral("Verificar circuito"));
    setModal(false);
    resize(560, 260);

    resumo = new QLabel(this);
    resumo->setWordWrap(true);
    avisos = new QListWidget(this);
    verificar_novamente = new QPushButton(QStringLiteral("Verificar &novamente"), this);
    fechar = new QPushButton(QStringLiteral("&Fechar"), this);

    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(verificar_novamente);
    botoes->addWidget(fechar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(resumo);
    layout->addWidget(avisos, 1);
    layout->addLayout(botoes);

    connect(avisos, &QListWidget::itemClicked, this, &TJanelaVerificacao::escolher);
    connect(avisos, &QListWidget::itemActivated, this, &TJanelaVerificacao::escolher);
    connect(verificar_novamente, &QPushButton::clicked, this, &TJanelaVerificacao::verificar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::close);
}

TJanelaVerificacao *TJanelaVerificacao::abrir(TEstado &estado, TFormArquivo *area, QWidget *pai)
{
    auto *janela = pai->findChild<TJanelaVerificacao *>(QString(), Qt::FindDirectChildrenOnly);
    if (!janela) {
        janela = new TJanelaVerificacao(estado, area, pai);
        // In the lower right corner of the main window: the work area scrolls a chosen
        // component towards its upper left.
        const QRect principal = pai->frameGeometry();
        QPoint canto(principal.right() - janela->width() - 40, principal.bottom() - janela->height() - 60);
        if (const QScreen *tela = pai->screen()) {
            const QRect livre = tela->availableGeometry();
            canto.setX(std::clamp(canto.x(), livre.left(), std::max(livre.left(), livre.right() - janela->width())));
            canto.setY(std::clamp(canto.y(), livre.top(), std::max(livre.top(), livre.bottom() - janela->height())));
        }
        janela->move(canto);
    }
    janela->verificar();
    janela->show();
    janela->raise();
    janela->activateWindow();
    return janela;
}

void TJanelaVerificacao::verificar()
{
    avisos->clear();
    const std::vector<TAviso> achados = Verificar_Circuito(estado_.lista());
    for (const TAviso &a : achados) {
        auto *item = new QListWidgetItem(a.linha(), avisos);
        item->setData(Qt::UserRole, a.codigo);
    }
    if (achados.empty())
        resumo->setText(QStringLiteral("Nenhum aviso: nada do que costuma impedir um circuito de funcionar foi "
                                       "encontrado."));
    else
        resumo->setText(QStringLiteral("%1 %2. Clique num aviso para mostrar o componente no circuito.")
                            .arg(achados.size())
                            .arg(achados.size() == 1 ? QStringLiteral("aviso") : QStringLiteral("avisos")));
}

void TJanelaVerificacao::escolher(QListWidgetItem *item)
{
    const int codigo = item->data(Qt::UserRole).toInt();
    const QRect area = Selecionar_Componente(estado_, codigo);
    area_->marcar_alterado();
    if (!estado_.lista().procurar(codigo)) {
        resumo->setText(QStringLiteral("O componente %1 não existe mais. Verifique novamente.").arg(codigo));
        return;
    }
    if (area.isEmpty())
        return;
    // A component out of sight comes to the middle of the work area, with what surrounds it.
    // The view clamps the scroll; the scroll bars then take it there (each bar's move reads
    // both bars back into the view, so the target is kept apart).
    TVista &vista = estado_.vista;
    const QSize janela = area_->viewport()->size();
    if (QRectF(QPointF(vista.origem()) / vista.zoom(), QSizeF(janela) / vista.zoom()).contains(QRectF(area)))
        return;
    const QPointF centro = QRectF(area).center() * vista.zoom() - QPointF(janela.width(), janela.height()) / 2;
    vista.rolar_para(centro.toPoint(), janela, Limites_Circuito(estado_.lista()));
    const QPoint destino = vista.origem();
    area_->horizontalScrollBar()->setValue(destino.x());
    area_->verticalScrollBar()->setValue(destino.y());
}

} // namespace zefira
