#include "janelas/sobre.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace zefira {

namespace {

QLabel *texto(QWidget *pai, const QString &t, int x, int y, int largura, bool negrito = false, int tamanho = 0)
{
    auto *l = new QLabel(t, pai);
    QFont f = l->font();
    f.setBold(negrito);
    if (tamanho > 0)
        f.setPointSize(tamanho);
    l->setFont(f);
    l->setWordWrap(true);
    l->setGeometry(x, y, largura, l->heightForWidth(largura));
    return l;
}

void linha(QWidget *pai, int y)
{
    auto *f = new QFrame(pai);
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(288, y, 205, 2);
}

} // namespace

TFormsobre::TFormsobre(const QString &arquivo_figura, QWidget *pai) : QDialog(pai)
{
    setWindowTitle(QStringLiteral("Sobre ZEFIRA"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setFixedSize(501, 286);
    setModal(true);

    auto *figura = new QLabel(this);
    figura->setObjectName(QStringLiteral("Image1"));
    figura->setGeometry(8, 8, 270, 270);
    figura->setScaledContents(true);
    figura->setFrameShape(QFrame::Box);
    QImage jpeg(arquivo_figura);
    if (!jpeg.isNull())
        figura->setPixmap(QPixmap::fromImage(jpeg));

    texto(this, QStringLiteral("ZEFIRA"), 290, 10, 120, true, 16);
    texto(this, QStringLiteral("versão 1.0"), 410, 18, 80);
    texto(this, QStringLiteral("Simulador de Circuitos Pneumáticos"), 290, 40, 205);
    linha(this, 66);
    texto(this, QStringLiteral("Desenvolvimento"), 290, 76, 205, true);
    texto(this, QStringLiteral("Equipe ZEFIRA"), 300, 94, 195);
    linha(this, 118);
    texto(this, QStringLiteral("Conteúdo didático"), 290, 128, 205, true);
    texto(this, QStringLiteral("Equipe ZEFIRA e professores de automação pneumática"), 300, 146, 190);
    linha(this, 184);
    texto(this, QStringLiteral("Criado em 2026"), 290, 196, 205);

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    ok->setGeometry(408, 250, 85, 27);
    connect(ok, &QPushButton::clicked, this, &TFormsobre::Button1Click);
}

void TFormsobre::Button1Click() { accept(); }

} // namespace zefira
