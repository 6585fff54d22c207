#include "janelas/arquivoatual.h"

#include "edicao/area_trabalho.h"
#include "desenho/arquivo_cursor.h"
#include "desenho/figura_acionador.h"
#include "desenho/renderizador.h"
#include "documento/pasta_dados.h"
#include "documento/historico_documento.h"
#include "modelo/estado.h"
#include "simulacao/controle_simulacao.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>
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
    : QAbstractScrollArea(pai), estado_(estado), ui_(ui), controles_anteriores_(estado.controles)
{
    setWindowTitle(QStringLiteral("Área de Trabalho"));
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    resize(1000, 650);
    estado_.figura_acionador = Figura_Acionador();
    FormCreate(estado_, 1000, 650);
    estado_.vista = TVista();
    lista_anterior_ = estado_.lista_componentes.get();
    atualizar_superficie();
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
    dpr_cursores_ = devicePixelRatioF();
    cursores_lidos_ = 0;
    cursor_aplicado_ = false; // the same slot may now hold another picture
    cursores_.assign(size_t(Numero_Pecas()) + 1, QCursor(Qt::CrossCursor));
    for (int i = 1; i <= Numero_Pecas(); ++i) {
        QImage figura;
        QPoint ponto;
        // On a dense screen the cursor is drawn again from the symbol's vectors.
        if (dpr_cursores_ > 1) {
            cursores_[i] = QCursor(QPixmap::fromImage(Desenhar_Cursor(estado_.imagens, i, dpr_cursores_)), 0, 0);
            ++cursores_lidos_;
            continue;
        }
        if (Ler_Cursor(Caminho_Dados(estado_.pasta_programa, Arquivo_Cursor(i)), figura, ponto)) {
            cursores_[i] = QCursor(QPixmap::fromImage(figura), ponto.x(), ponto.y());
            ++cursores_lidos_;
        }
    }
}

void TFormArquivo::Timer1Timer()
{
    TApresentacaoSimulacao apresentacao;
    apresentacao.desenhar = [this] {
        // A document just opened (file, demonstration, even the one already open) is brought
        // into view: a new list with a fresh history. Undo also replaces the list, but never
        // leaves a history of one snapshot.
        const void *lista = estado_.lista_componentes.get();
        if (lista != lista_anterior_ && estado_.historico_edicao.numero_passos() == 1)
            mostrar_circuito();
        lista_anterior_ = lista;
        atualizar_superficie();
        desenhar();
    };
    apresentacao.definir_titulo = [this](const QString &legenda) {
        if (legenda != legenda_) {
            legenda_ = legenda;
            emit legenda_mudou(legenda);
        }
    };
    apresentacao.atualizar_cursor = [this] { aplicar_cursor(); };
    apresentacao.avisar = [this](const QString &aviso) { ui_.mensagem(aviso); };
    zefira::Timer1Timer(estado_, apresentacao);
    avisar_mudancas();
    // Idle: the tick has nothing to do until input arrives, so the timer sleeps. A timer stopped
    // by its owner (the tests tick by hand) is left alone.
    if (Timer1.isActive() && !alterado_ && Relogio_Pode_Dormir(estado_)) {
        Timer1.stop();
        dormindo_ = true;
    }
}

void TFormArquivo::acordar()
{
    alterado_ = true;
    if (dormindo_) {
        dormindo_ = false;
        Timer1.start();
    }
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
        acordar();
        break;
    default: break;
    }
    return QAbstractScrollArea::eventFilter(objeto, evento);
}

void TFormArquivo::desenhar()
{
    // The picture has one pixel per screen pixel, so the drawing follows the screen's density.
    const double dpr = devicePixelRatioF();
    const QSize tamanho = viewport()->size().expandedTo(QSize(1, 1));
    const QSize pixels(int(std::ceil(tamanho.width() * dpr)), int(std::ceil(tamanho.height() * dpr)));
    // The 20 ms tick stays the clock, but the picture is painted again only when something it
    // shows may have changed: input, a simulation step, or a cam due to be taken down.
    const bool tamanho_certo = imagem_.size() == pixels && imagem_.devicePixelRatio() == dpr && !imagem_.isNull();
    if (!alterado_ && tamanho_certo && revisao_vista_ == estado_.revisao_simulacao)
        return;
    alterado_ = Desenho_Pendente(estado_);
    revisao_vista_ = estado_.revisao_simulacao;
    ++quadros_;
    if (!tamanho_certo) {
        imagem_ = QImage(pixels, QImage::Format_RGB32);
        imagem_.setDevicePixelRatio(dpr);
    }
    {
        QPainter p(&imagem_);
        p.setTransform(estado_.vista.transformacao());
        Desenhar(estado_, p, estado_.mostrar_mira, estado_.mostrar_cruz, estado_.segmento_destacado);
    }
    viewport()->update();
    if (dpr != dpr_cursores_)
        carregar_cursores();
}

void TFormArquivo::atualizar_superficie()
{
    TVista &vista = estado_.vista;
    const QRect circuito = Limites_Circuito(estado_.lista());
    const QSize janela = viewport()->size();
    const QSize superficie = vista.superficie(janela, circuito);
    // Components may move anywhere on the surface.
    FormResize(estado_, superficie.width(), superficie.height());
    const QSize tela = vista.superficie_tela(janela, circuito);
    QScrollBar *h = horizontalScrollBar(), *v = verticalScrollBar();
    const QSignalBlocker bh(h), bv(v);
    h->setRange(0, std::max(0, tela.width() - janela.width()));
    v->setRange(0, std::max(0, tela.height() - janela.height()));
    h->setPageStep(janela.width());
    v->setPageStep(janela.height());
    vista.rolar_para(vista.origem(), janela, circuito);
    h->setValue(vista.origem().x());
    v->setValue(vista.origem().y());
}

void TFormArquivo::scrollContentsBy(int, int)
{
    acordar();
    estado_.vista.rolar_para(QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()),
                             viewport()->size(), Limites_Circuito(estado_.lista()));
    desenhar();
}

void TFormArquivo::definir_zoom(double zoom, QPointF ancora)
{
    const double antes = estado_.vista.zoom();
    acordar();
    if (ancora.x() < 0)
        estado_.vista.zoom_no_canto(zoom, Limites_Circuito(estado_.lista()), viewport()->size());
    else
        estado_.vista.definir_zoom(zoom, ancora);
    atualizar_superficie();
    desenhar();
    if (estado_.vista.zoom() != antes)
        emit zoom_mudou(estado_.vista.zoom());
}

double TFormArquivo::zoom() const { return estado_.vista.zoom(); }

void TFormArquivo::ampliar() { definir_zoom(TVista::proximo_passo(estado_.vista.zoom(), 1)); }

void TFormArquivo::reduzir() { definir_zoom(TVista::proximo_passo(estado_.vista.zoom(), -1)); }

void TFormArquivo::ajustar_janela()
{
    const double antes = estado_.vista.zoom();
    acordar();
    estado_.vista.ajustar(Limites_Circuito(estado_.lista()), viewport()->size());
    atualizar_superficie();
    desenhar();
    if (estado_.vista.zoom() != antes)
        emit zoom_mudou(estado_.vista.zoom());
}

void TFormArquivo::mostrar_circuito()
{
    acordar();
    estado_.vista.mostrar(Limites_Circuito(estado_.lista()), viewport()->size());
    atualizar_superficie();
}

QPoint TFormArquivo::para_tela(int x, int y) const
{
    return estado_.vista.para_tela(QPointF(x, y)).toPoint() + viewport()->pos();
}

TPonto TFormArquivo::no_circuito(const QPointF &tela) const { return estado_.vista.para_circuito(tela); }

void TFormArquivo::wheelEvent(QWheelEvent *e)
{
    // Ctrl + wheel zooms about the pointer; the plain wheel scrolls.
    if (!(e->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(e);
        return;
    }
    const int passos = e->angleDelta().y();
    if (passos != 0)
        definir_zoom(TVista::proximo_passo(estado_.vista.zoom(), passos > 0 ? 1 : -1),
                     e->position());
    e->accept();
}

bool TFormArquivo::viewportEvent(QEvent *evento)
{
    if (evento->type() == QEvent::Leave) {
        estado_.mostrar_mira = false;
        estado_.mostrar_cruz = false;
    }
    return QAbstractScrollArea::viewportEvent(evento);
}

void TFormArquivo::aplicar_cursor()
{
    const TCursor c = atualizar_cursor(estado_);
    avisar_dica();
    // Setting the same cursor on every tick costs a round trip to the window system.
    if (cursor_aplicado_ && c.tipo == cursor_.tipo && c.indice == cursor_.indice)
        return;
    cursor_ = c;
    cursor_aplicado_ = true;
    if (c.tipo == TipoCursor::Mao)
        viewport()->setCursor(Qt::PointingHandCursor);
    else if (c.tipo == TipoCursor::Oculto)
        viewport()->setCursor(Qt::BlankCursor);
    else if (c.tipo == TipoCursor::Posicionamento && c.indice >= 1 && c.indice < int(cursores_.size()))
        viewport()->setCursor(cursores_[size_t(c.indice)]);
    else
        viewport()->setCursor(Qt::ArrowCursor);
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

void TFormArquivo::avisar_dica()
{
    const QString dica = Dica_Ponteiro(estado_);
    if (dica != dica_) {
        dica_ = dica;
        emit dica_mudou(dica);
    }
}

void TFormArquivo::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    if (imagem_.isNull())
        p.fillRect(viewport()->rect(), Qt::white);
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
    const TPonto pos = no_circuito(e->position());
    imagemMouseDown(estado_, ui_, botao_mouse(e->button()), estado_shift(e->modifiers(), e->buttons()), pos.x,
                    pos.y);
    avisar_mudancas();
}

void TFormArquivo::mouseMoveEvent(QMouseEvent *e)
{
    const TPonto pos = no_circuito(e->position());
    imagemMouseMove(estado_, estado_shift(e->modifiers(), e->buttons()), pos.x, pos.y);
    avisar_dica();
}

void TFormArquivo::mouseReleaseEvent(QMouseEvent *e)
{
    if (!botao_tratado(e->button()))
        return;
    const TPonto pos = no_circuito(e->position());
    imagemMouseUp(estado_, estado_shift(e->modifiers(), e->buttons()), pos.x, pos.y);
    avisar_mudancas();
    avisar_dica();
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
    QAbstractScrollArea::leaveEvent(evento);
}

void TFormArquivo::resizeEvent(QResizeEvent *evento)
{
    QAbstractScrollArea::resizeEvent(evento);
    atualizar_superficie();
}

} // namespace zefira
