#include "shell/arquivoatual.h"

#include "editor/area_trabalho.h"
#include "desenho/arquivo_cursor.h"
#include "desenho/figura_acionador.h"
#include "desenho/renderizador.h"
#include "files/pasta_dados.h"
#include "files/historico_documento.h"
#include "model/estado.h"
#include "simulation/controle_simulacao.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <cstring>

namespace zefira {

namespace {

TShiftState estado_shift(Qt::KeyboardModifiers teclas, Qt::MouseButtons botoes)
{
    TShiftState s = 0;
    if (teclas & Qt::ShiftModifier)
        s |= SHIFT_SHIFT;
    if (teclas & Qt::AltModifier)
        s |= SHIFT_ALT;
    if (teclas & Qt::ControlModifier)
        s |= SHIFT_CTRL;
    if (botoes & Qt::LeftButton)
        s |= SHIFT_ESQUERDO;
    if (botoes & Qt::RightButton)
        s |= SHIFT_DIREITO;
    if (botoes & Qt::MiddleButton)
        s |= SHIFT_MEIO;
    return s;
}

// Extra buttons (back, forward...) are not the work area's.
bool botao_tratado(Qt::MouseButton b)
{
    return b == Qt::LeftButton || b == Qt::RightButton || b == Qt::MiddleButton;
}

BotaoMouse botao_mouse(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton: return BotaoMouse::Direito;
    case Qt::MiddleButton: return BotaoMouse::Meio;
    default: return BotaoMouse::Esquerdo;
    }
}

} // namespace

TFormArquivo::TFormArquivo(TEstado &estado, TInterfaceUsuario &ui, QWidget *pai)
    : QWidget(pai), estado_(estado), ui_(ui), controles_anteriores_(estado.controles)
{
    setWindowTitle(QStringLiteral("Área de Trabalho"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(1000, 650);
    estado_.figura_acionador = Figura_Acionador();
    FormCreate(estado_, 1000, 650);
    estado_.tempo_acumulado = 0;
    carregar_cursores();
    // Any input anywhere in the program may change what the work area shows (menus, dialogs,
    // the palette, the notes), so every input event marks the picture for repainting.
    qApp->installEventFilter(this);
    Timer1.setInterval(20);
    connect(&Timer1, &QTimer::timeout, this, &TFormArquivo::Timer1Timer);
    Timer1.start();
}

void TFormArquivo::carregar_cursores()
{
    cursores_lidos_ = 0;
    for (int i = 1; i <= 13; ++i) {
        QImage figura;
        QPoint ponto;
        if (Ler_Cursor(Caminho_Dados(estado_.pasta_programa, Arquivo_Cursor(i)), figura, ponto)) {
            cursores_[i] = QCursor(QPixmap::fromImage(figura), ponto.x(), ponto.y());
            ++cursores_lidos_;
        } else {
            cursores_[i] = QCursor(Qt::CrossCursor);
        }
    }
}

void TFormArquivo::Timer1Timer()
{
    TApresentacaoSimulacao apresentacao;
    apresentacao.desenhar = [this] { desenhar(); };
    apresentacao.definir_titulo = [this](const QString &legenda) {
        if (legenda != legenda_) {
            legenda_ = legenda;
            emit legenda_mudou(legenda);
        }
    };
    apresentacao.atualizar_cursor = [this] { aplicar_cursor(); };
    zefira::Timer1Timer(estado_, apresentacao);
    avisar_mudancas();
}

bool TFormArquivo::eventFilter(QObject *objeto, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::Show:
    case QEvent::Resize:
        alterado_ = true;
        break;
    default: break;
    }
    return QWidget::eventFilter(objeto, evento);
}

void TFormArquivo::desenhar()
{
    // The 20 ms tick stays the clock, but the picture is painted again only when something it
    // shows may have changed: input, a simulation step, or a cam due to be taken down.
    const bool tamanho_certo = imagem_.size() == size() && !imagem_.isNull();
    if (!alterado_ && tamanho_certo && revisao_vista_ == estado_.revisao_simulacao)
        return;
    alterado_ = Desenho_Pendente(estado_);
    revisao_vista_ = estado_.revisao_simulacao;
    ++quadros_;
    if (!tamanho_certo)
        imagem_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    {
        QPainter p(&imagem_);
        Desenhar(estado_, p, estado_.mostrar_mira, estado_.mostrar_cruz, estado_.segmento_destacado);
    }
    update();
}

void TFormArquivo::aplicar_cursor()
{
    const TCursor c = atualizar_cursor(estado_);
    switch (c.tipo) {
    case TipoCursor::Mao: setCursor(Qt::PointingHandCursor); break;
    case TipoCursor::Oculto: setCursor(Qt::BlankCursor); break;
    case TipoCursor::Posicionamento:
        setCursor(c.indice >= 1 && c.indice <= 13 ? cursores_[c.indice] : QCursor(Qt::ArrowCursor));
        break;
    default: setCursor(Qt::ArrowCursor); break;
    }
}

void TFormArquivo::avisar_mudancas()
{
    // Placing a component or cancelling a placement here lifts the palette's button too.
    // An edit here changes what undo and redo offer.
    if (std::memcmp(&controles_anteriores_, &estado_.controles, sizeof(TControles)) != 0
        || botao_paleta_anterior_ != estado_.botao_paleta || revisao_anterior_ != estado_.historico_edicao.revisao()
        || em_repouso_anterior_ != Em_Repouso(estado_)) {
        controles_anteriores_ = estado_.controles;
        botao_paleta_anterior_ = estado_.botao_paleta;
        revisao_anterior_ = estado_.historico_edicao.revisao();
        em_repouso_anterior_ = Em_Repouso(estado_);
        emit controles_mudaram();
    }
}

void TFormArquivo::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (imagem_.isNull())
        p.fillRect(rect(), Qt::white);
    else
        p.drawImage(0, 0, imagem_);
}

void TFormArquivo::mousePressEvent(QMouseEvent *e)
{
    if (!botao_tratado(e->button()))
        return;
    setFocus();
    // The palette sets its button itself; what the press changes is told back below.
    botao_paleta_anterior_ = estado_.botao_paleta;
    const QPoint pos = e->position().toPoint();
    imagemMouseDown(estado_, ui_, botao_mouse(e->button()), estado_shift(e->modifiers(), e->buttons()), pos.x(),
                    pos.y());
    avisar_mudancas();
}

void TFormArquivo::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    imagemMouseMove(estado_, estado_shift(e->modifiers(), e->buttons()), pos.x(), pos.y());
}

void TFormArquivo::mouseReleaseEvent(QMouseEvent *e)
{
    if (!botao_tratado(e->button()))
        return;
    const QPoint pos = e->position().toPoint();
    imagemMouseUp(estado_, estado_shift(e->modifiers(), e->buttons()), pos.x(), pos.y());
    avisar_mudancas();
}

// Qt reports a double click as press, release, double click, release; the work area's rules
// expect press, release, double click, press, release, where the second press is the one
// the dialog's closing tells it to ignore.
void TFormArquivo::mouseDoubleClickEvent(QMouseEvent *e)
{
    // Only the left button's double click opens a property dialog; any other is a press.
    if (e->button() == Qt::LeftButton)
        imagemDblClick(estado_, ui_);
    mousePressEvent(e);
}

void TFormArquivo::keyPressEvent(QKeyEvent *e)
{
    FormKeyDown(estado_, e->key(), estado_shift(e->modifiers(), QGuiApplication::mouseButtons()));
    avisar_mudancas();
}

void TFormArquivo::keyReleaseEvent(QKeyEvent *e)
{
    if (!e->isAutoRepeat())
        FormKeyUp(estado_, e->key(), estado_shift(e->modifiers(), QGuiApplication::mouseButtons()));
}

// The drawn pointer (sight or move cross) belongs to the pointer: it goes when the pointer
// leaves the surface, and the next move over it brings it back.
void TFormArquivo::leaveEvent(QEvent *evento)
{
    estado_.mostrar_mira = false;
    estado_.mostrar_cruz = false;
    QWidget::leaveEvent(evento);
}

void TFormArquivo::resizeEvent(QResizeEvent *evento)
{
    // Components may move up to the window's outer size, frame included.
    const QSize externo = parentWidget() ? parentWidget()->size() : size();
    FormResize(estado_, externo.width(), externo.height());
    QWidget::resizeEvent(evento);
}

} // namespace zefira
