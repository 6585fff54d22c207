#include "janelas/principal.h"

#include "demonstracoes/demonstracoes.h"
#include "desenho/exportacao_circuito.h"
#include "edicao/area_trabalho.h"
#include "edicao/area_transferencia.h"
#include "edicao/selecao.h"
#include "documento/comandos_documento.h"
#include "documento/copia_recuperacao.h"
#include "documento/historico_documento.h"
#include "documento/documentos_ajuda.h"
#include "documento/pasta_dados.h"
#include "assistente/assistente_sequencia.h"
#include "dialogos/assistentesequencia.h"
#include "janelas/arquivoatual.h"
#include "janelas/biblioteca.h"
#include "janelas/caixa_zoom.h"
#include "janelas/capa.h"
#include "janelas/icones.h"
#include "janelas/janela_avaliacao_turma.h"
#include "janelas/janela_ajuda.h"
#include "janelas/janela_diagrama.h"
#include "janelas/janela_verificacao.h"
#include "janelas/janelas_dialogo.h"
#include "janelas/menus.h"
#include "janelas/observacoes.h"
#include "janelas/preferencias.h"
#include "janelas/sobre.h"
#include "janelas/visualizar_impressao.h"
#include "simulacao/controle_simulacao.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QSettings>
#include <QStatusBar>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace zefira {

TForm1::TForm1(TEstado &estado, bool mostrar_capa) : estado_(estado), ui_(this), mostrar_capa_(mostrar_capa)
{
    ordem_criacao_ << QStringLiteral("TForm1");
    setWindowTitle(QStringLiteral("ZEFIRA - Simulador de Circuitos Pneumáticos"));
    setGeometry(197, 124, 696, 480);
    mdi = new QMdiArea(this);
    mdi->setBackground(QColor(128, 128, 128));
    mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi);
    // The work area maximised must not make the palette fill the frame when it is shown.
    mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);

    // FormCreate: the splash appears once, and the document starts empty.
    primeira_exibicao = true;
    Limpar_Lista(estado_);

    criar_menus();
    // Both usual redo keys.
    acao("refazer")->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    criar_barra();
    criar_janelas();
    ligar_comandos();
    preparar_velocidades();
    preparar_forca_teorica();
    criar_recentes();
    addToolBar(QStringLiteral("BarraZoom"))->addWidget(new TCaixaZoom(FormArquivo, this));
    // Ctrl+= too: on many keyboards + is the shifted =.
    acao("ampliar")->setShortcuts({QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    atualizar_controles();
}

TForm1::~TForm1() = default;

void TForm1::criar_janelas()
{
    FormCapa = new TFormCapa(this);
    ordem_criacao_ << QStringLiteral("TFormCapa");
    Formobs = new TFormobs(estado_, this);
    ordem_criacao_ << QStringLiteral("TFormobs");

    FormBiblioteca = new TFormBiblioteca(estado_, this);
    sub_biblioteca = mdi->addSubWindow(FormBiblioteca, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                                           | Qt::WindowMinimizeButtonHint);
    sub_biblioteca->setWindowTitle(QStringLiteral("Biblioteca"));
    sub_biblioteca->setAttribute(Qt::WA_DeleteOnClose, false);
    sub_biblioteca->installEventFilter(this);
    sub_biblioteca->setGeometry(0, 0, 165, 398);
    sub_biblioteca->show();
    ordem_criacao_ << QStringLiteral("TFormBiblioteca");

    FormArquivo = new TFormArquivo(estado_, ui_, this);
    sub_arquivo = mdi->addSubWindow(FormArquivo);
    sub_arquivo->setWindowTitle(QStringLiteral("Área de Trabalho"));
    sub_arquivo->setAttribute(Qt::WA_DeleteOnClose, false);
    sub_arquivo->installEventFilter(this);
    sub_arquivo->setGeometry(170, 0, 1000, 650);
    sub_arquivo->show();
    ordem_criacao_ << QStringLiteral("TFormArquivo");
    connect(FormArquivo, &TFormArquivo::legenda_mudou, sub_arquivo, &QMdiSubWindow::setWindowTitle);
    connect(FormArquivo, &TFormArquivo::controles_mudaram, this, &TForm1::atualizar_controles);
    connect(FormArquivo, &TFormArquivo::dica_mudou, statusBar(), [this](const QString &dica) {
        statusBar()->showMessage(dica);
    });
    ui_.definir_area(FormArquivo);

    for (const QString &nome : Nomes_Janelas_Dialogo()) {
        dialogos_ << Criar_Janela_Dialogo(nome, estado_, this);
        ordem_criacao_ << nome;
        if (nome == QLatin1String("TFormconfiguracaotomadaar")) {
            Formsobre = new TFormsobre(Caminho_Dados(estado_.pasta_programa, QStringLiteral("sobre.jpg")), this);
            ordem_criacao_ << QStringLiteral("TFormsobre");
        }
    }
    ui_.definir_dialogos(dialogos_);
    ordem_criacao_ << QStringLiteral("TFormimagens"); // the symbol library: held by the state, never shown
    janela_ajuda = new TJanelaAjuda(this);
    janela_ajuda->definir_pasta([this] { return estado_.pasta_programa; });
    connect(janela_ajuda, &TJanelaAjuda::abrir_circuito, this, &TForm1::abrir_circuito);
    janela_diagrama = new TJanelaDiagrama(estado_, ui_, this);
    connect(&FormArquivo->Timer1, &QTimer::timeout, janela_diagrama, &TJanelaDiagrama::atualizar);
}

void TForm1::criar_menus()
{
    for (const TMenuPrincipal &m : Menus_Principais()) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(m.legenda));
        menu->setObjectName(QString::fromLatin1(m.nome));
        menus_.insert(menu->objectName(), menu);
    }
    for (const TItemMenu &i : Itens_Menu()) {
        QMenu *pai = menus_.value(QString::fromLatin1(i.menu));
        const QString nome = QString::fromLatin1(i.item);
        if (i.submenu) {
            QMenu *sub = pai->addMenu(QString::fromUtf8(i.legenda));
            sub->setObjectName(nome);
            menus_.insert(nome, sub);
            continue;
        }
        // "-" is a separator; "-Title" a separator that names the group below it.
        const QString legenda = QString::fromUtf8(i.legenda);
        QAction *a = legenda == QLatin1String("-")        ? pai->addSeparator()
                     : legenda.startsWith(QLatin1Char('-')) ? pai->addSection(legenda.mid(1))
                                                            : pai->addAction(legenda);
        a->setObjectName(nome);
        if (*i.atalho)
            a->setShortcut(QKeySequence(QString::fromLatin1(i.atalho)));
        if (i.icone >= 0)
            a->setIcon(Icone(i.icone));
        acoes_.insert(nome, a);
        connect(a, &QAction::triggered, this, [this, nome] { executar(nome); });
    }
    for (const TAtalhoAdicional &x : Atalhos_Adicionais()) {
        QAction *a = acoes_.value(QString::fromLatin1(x.item));
        a->setShortcuts({a->shortcut(), QKeySequence(QString::fromLatin1(x.atalho))});
    }
    // Keys without an item of their own: F1 opens the introduction; F8 resumes a paused
    // simulation (Pausar itself is disabled while paused, so the two never compete).
    for (const auto &[nome, tecla] : {std::pair{"ajuda_f1", Qt::Key_F1}, std::pair{"retomar_f8", Qt::Key_F8}}) {
        auto *a = new QAction(this);
        a->setObjectName(QString::fromLatin1(nome));
        a->setShortcut(QKeySequence(tecla));
        addAction(a);
        acoes_.insert(a->objectName(), a);
        connect(a, &QAction::triggered, this, [this, n = a->objectName()] { executar(n); });
    }
}

void TForm1::criar_recentes()
{
    QMenu *arquivo = menus_.value(QStringLiteral("arquivo_menu"));
    auto *sub = new QMenu(QStringLiteral("Arqui&vos Recentes"), arquivo);
    sub->setObjectName(QStringLiteral("arquivosrecentes"));
    arquivo->insertMenu(acao(QStringLiteral("N1")), sub);
    menus_.insert(sub->objectName(), sub);
    // Fixed items, relabelled as the list changes: an item is never deleted while it runs.
    for (int i = 0; i < TArquivosRecentes::MAXIMO; ++i) {
        QAction *a = sub->addAction(QString());
        a->setObjectName(QStringLiteral("recente%1").arg(i + 1));
        acoes_.insert(a->objectName(), a);
        connect(a, &QAction::triggered, this, [this, a] {
            const QString antes = estado_.nome_documento;
            Abrir_Recente(estado_, ui_, recentes_, a->data().toString());
            depois_do_comando(antes);
        });
    }
    QAction *vazio = sub->addAction(QStringLiteral("Nenhum arquivo recente"));
    vazio->setObjectName(QStringLiteral("recentes_vazio"));
    vazio->setEnabled(false);
    acoes_.insert(vazio->objectName(), vazio);

    const auto preferencias = Preferencias();
    recentes_ = TArquivosRecentes(preferencias->value(QStringLiteral("arquivos/recentes")).toStringList());
    ui_.definir_ultima_pasta(preferencias->value(QStringLiteral("arquivos/pasta")).toString());
    atualizar_recentes();
}

void TForm1::atualizar_recentes()
{
    const QStringList &nomes = recentes_.nomes();
    for (int i = 0; i < TArquivosRecentes::MAXIMO; ++i) {
        QAction *a = acao(QStringLiteral("recente%1").arg(i + 1));
        a->setVisible(i < nomes.size());
        if (i >= nomes.size())
            continue;
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(nomes[i]).fileName()));
        a->setToolTip(nomes[i]);
        a->setStatusTip(nomes[i]);
        a->setData(nomes[i]);
    }
    acao(QStringLiteral("recentes_vazio"))->setVisible(nomes.isEmpty());
    menus_.value(QStringLiteral("arquivosrecentes"))->setToolTipsVisible(true);
}

void TForm1::depois_do_comando(const QString &documento_antes)
{
    if (estado_.nome_documento != documento_antes)
        recentes_.registrar_documento(estado_.nome_documento);
    if (FormArquivo)
        FormArquivo->marcar_alterado(); // wakes the work area's clock
    const auto preferencias = Preferencias();
    if (preferencias->value(QStringLiteral("arquivos/recentes")).toStringList() != recentes_.nomes())
        preferencias->setValue(QStringLiteral("arquivos/recentes"), recentes_.nomes());
    if (preferencias->value(QStringLiteral("arquivos/pasta")).toString() != ui_.ultima_pasta())
        preferencias->setValue(QStringLiteral("arquivos/pasta"), ui_.ultima_pasta());
    atualizar_recentes();
    atualizar_controles();
}

void TForm1::abrir_circuito(const QString &caminho)
{
    if (!estado_.controles.abrir) {
        ui_.mensagem(QStringLiteral("Pare a simulação antes de abrir outro circuito."));
        return;
    }
    const QString antes = estado_.nome_documento;
    if (Abrir_Copia(estado_, ui_, caminho)) {
        raise();
        activateWindow();
    }
    depois_do_comando(antes);
}

void TForm1::exibir()
{
    const auto preferencias = Preferencias();
    area_guardada_ = preferencias->value(QStringLiteral("principal/area")).toRect();
    colocar_area_ = true;
    mdi->viewport()->installEventFilter(this);
    if (restoreGeometry(preferencias->value(QStringLiteral("principal/geometria")).toByteArray()))
        show();
    else
        showMaximized();
    colocar_area();
}

void TForm1::colocar_area()
{
    const QRect frame = mdi->viewport()->rect();
    if (frame.width() < 100 || frame.height() < 100)
        return;
    // A place kept from a larger frame (another screen, a denser scale) that no longer fits
    // is given up for the first start's.
    QRect r = area_guardada_;
    if (!r.isValid() || !frame.contains(r)) {
        const int x = sub_biblioteca->isMinimized() ? 0 : sub_biblioteca->geometry().right() + 1;
        r = QRect(x, 0, std::max(100, frame.width() - x), frame.height());
    }
    area_colocada_ = r;
    sub_arquivo->setGeometry(r);
}

void TForm1::criar_barra()
{
    QToolBar *barra = addToolBar(QStringLiteral("ToolBar1"));
    barra->setObjectName(QStringLiteral("ToolBar1"));
    barra->setMovable(false);
    barra->setIconSize(QSize(16, 16));
    barra->setFixedHeight(29);
    for (const TBotaoBarra &b : Botoes_Barra()) {
        if (!*b.nome) {
            barra->addSeparator();
            continue;
        }
        const QString nome = QString::fromLatin1(b.nome);
        QAction *a = barra->addAction(Icone(b.icone), QString::fromUtf8(b.dica));
        a->setObjectName(nome);
        a->setToolTip(QString::fromUtf8(b.dica));
        a->setCheckable(b.verificavel);
        acoes_.insert(nome, a);
        connect(a, &QAction::triggered, this, [this, nome] { executar(nome); });
    }
    acoes_.value(QStringLiteral("TBbiblioteca"))->setChecked(true);
}

void TForm1::executar(const QString &nome)
{
    const QString antes = estado_.nome_documento;
    auto it = comandos_.find(nome);
    if (it != comandos_.end())
        (*it)();
    if (FormArquivo)
        FormArquivo->marcar_alterado();
    depois_do_comando(antes);
}

void TForm1::ligar_comandos()
{
    auto &c = comandos_;
    c["novo"] = c["TBnovo"] = [this] { novoClick(estado_, ui_); };
    c["abrir"] = c["TBabrir"] = [this] { abrirClick(estado_, ui_); };
    c["salvar"] = c["TBsalvar"] = [this] { salvarClick(estado_, ui_); };
    c["salvarcomo"] = [this] { salvarcomoClick(estado_, ui_); };
    c["sair"] = c["TBfechar"] = [this] { sairClick(); };
    c["assistentesequencia"] = [this] { assistente_sequenciaClick(); };
    c["avaliarturma"] = [this] { avaliar_turmaClick(); };
    c["exportar"] = [this] { exportarClick(estado_, ui_); };
    c["imprimir"] = [this] { imprimirClick(estado_, this); };

    c["cortar"] = c["TBcortar"] = [this] { cortarClick(estado_); };
    c["copiar"] = c["TBcopiar"] = [this] { copiarClick(estado_); };
    c["colar"] = c["TBcolar"] = [this] { colarClick(estado_); };
    c["deletar"] = c["TBexcluir"] = [this] { TBexcluirClick(estado_, ui_); };
    c["Observaes1"] = c["TBobservacoes"] = [this] {
        // The notes window has its own undo while open (Ctrl+Z in the text); what it changed
        // becomes one step of the circuit's history when it closes.
        Formobs->exec();
        Registrar_Edicao(estado_, QStringLiteral("editar observações"));
        activateWindow();
    };
    c["desfazer"] = c["TBdesfazer"] = [this] { Desfazer(estado_); };
    c["refazer"] = c["TBrefazer"] = [this] { Refazer(estado_); };
    c["selecionartudo"] = [this] { selecionartudoClick(estado_); };
    c["Biblioteca1"] = c["TBbiblioteca"] = [this] { Biblioteca1Click(); };
    c["propriedades"] = [this] { propriedadesSelecionadoClick(estado_, ui_); };

    for (const TPeca &p : Pecas()) {
        const int codigo = p.entrada->codigo;
        c[TFormBiblioteca::item_menu(codigo)] = [this, codigo] { FormBiblioteca->menu_clicado(codigo); };
    }

    c["parar"] = [this] { pararClick(estado_); };
    c["TBparar"] = [this] { TBpararClick(estado_); };
    // A toolbar check button toggles itself before its handler runs.
    c["TBiniciar"] = [this] {
        estado_.controles.TBiniciar_baixo = acao("TBiniciar")->isChecked();
        TBiniciarClick(estado_);
    };
    c["iniciar"] = [this] { iniciarClick(estado_); };
    c["TBpausar"] = [this] {
        estado_.controles.TBpausar_baixo = acao("TBpausar")->isChecked();
        TBpausarClick(estado_);
    };
    c["pausar"] = [this] { pausarClick(estado_); };
    c["retomar_f8"] = [this] { iniciarClick(estado_); };
    c["ajuda_f1"] = [this] { abrir_ajuda(QStringLiteral("introducao")); };
    c["unicopasso"] = c["TBunicopasso"] = [this] { unicopassoClick(estado_); };
    c["diagramatrajetopasso"] = [this] {
        janela_diagrama->show();
        janela_diagrama->raise();
        janela_diagrama->activateWindow();
        janela_diagrama->atualizar();
    };
    c["verificarcircuito"] = [this] { TJanelaVerificacao::abrir(estado_, FormArquivo, this); };

    for (const QString &nome : Nomes_Demonstracoes())
        c[nome] = [this, nome] { construir_demo(nome); };
    for (const TDocumentoAjuda &d : Documentos_Ajuda()) {
        const QString item = QString::fromLatin1(d.item);
        c[item] = [this, item] { abrir_ajuda(item); };
    }
    c["ampliar"] = [this] { FormArquivo->ampliar(); };
    c["reduzir"] = [this] { FormArquivo->reduzir(); };
    c["tamanhonormal"] = [this] { FormArquivo->definir_zoom(1.0); };
    c["ajustarajanela"] = [this] { FormArquivo->ajustar_janela(); };
    c["sobre"] = [this] {
        Formsobre->exec();
        activateWindow();
    };
}

namespace {

const char *const CHAVE_INTERVALO = "simulacao/intervalo_passo";
const std::pair<const char *, int> VELOCIDADES[] = {
    {"velocidadelenta", INTERVALO_LENTO}, {"velocidadenormal", INTERVALO_NORMAL}, {"velocidaderapida", INTERVALO_RAPIDO}};

const char *const ORGANIZACAO = "ZEFIRA";

} // namespace

void TForm1::preparar_velocidades()
{
    auto *grupo = new QActionGroup(this);
    for (const auto &[item, intervalo] : VELOCIDADES) {
        QAction *a = acao(QString::fromLatin1(item));
        a->setCheckable(true);
        grupo->addAction(a);
        comandos_[QString::fromLatin1(item)] = [this, intervalo = intervalo] {
            escolher_velocidade(intervalo);
            QSettings(QString::fromLatin1(ORGANIZACAO), QString::fromLatin1(ORGANIZACAO))
                .setValue(QString::fromLatin1(CHAVE_INTERVALO), intervalo);
        };
    }
    // A missing or damaged setting leaves the normal speed.
    const QSettings guardada(QString::fromLatin1(ORGANIZACAO), QString::fromLatin1(ORGANIZACAO));
    escolher_velocidade(guardada.value(QString::fromLatin1(CHAVE_INTERVALO), INTERVALO_NORMAL).toInt());
}

void TForm1::preparar_forca_teorica()
{
    const QString chave = QStringLiteral("exibir/forca_teorica");
    QAction *a = acao(QStringLiteral("forcateorica"));
    a->setCheckable(true);
    a->setChecked(Preferencias()->value(chave, false).toBool());
    estado_.mostrar_forca_teorica = a->isChecked();
    comandos_[QStringLiteral("forcateorica")] = [this, a, chave] {
        estado_.mostrar_forca_teorica = a->isChecked();
        Preferencias()->setValue(chave, a->isChecked());
        FormArquivo->marcar_alterado();
    };
}

void TForm1::escolher_velocidade(int intervalo)
{
    Definir_Intervalo_Passo(estado_, intervalo);
    for (const auto &[item, valor] : VELOCIDADES)
        acao(QString::fromLatin1(item))->setChecked(valor == estado_.intervalo_passo);
}

void TForm1::construir_demo(const QString &nome)
{
    Construir_Demonstracao(estado_, ui_, nome);
}

void TForm1::assistente_sequenciaClick()
{
    if (!assistente_sequencia)
        assistente_sequencia = new TFormAssistenteSequencia(this);
    assistente_sequencia->atualizar_previa();
    if (assistente_sequencia->exec() == QDialog::Accepted)
        Abrir_Circuito_Sequencia(estado_, ui_, assistente_sequencia->pedido());
    activateWindow();
}

void TForm1::avaliar_turmaClick()
{
    if (!janela_turma) {
        janela_turma = new TJanelaAvaliacaoTurma(ui_, this);
        connect(janela_turma, &TJanelaAvaliacaoTurma::abrir_arquivo, this, &TForm1::abrir_da_turma);
    }
    janela_turma->show();
    janela_turma->raise();
    janela_turma->activateWindow();
}

void TForm1::abrir_da_turma(const QString &arquivo)
{
    if (!estado_.controles.abrir) {
        ui_.mensagem(QStringLiteral("Pare a simulação antes de abrir outro circuito."));
        return;
    }
    const QString antes = estado_.nome_documento;
    Abrir_Escolhido(estado_, ui_, arquivo);
    depois_do_comando(antes);
}

void TForm1::abrir_ajuda(const QString &item) { janela_ajuda->abrir(Caminho_Ajuda(estado_.pasta_programa, item)); }

void TForm1::Biblioteca1Click()
{
    if (acao("TBbiblioteca")->isChecked()) {
        // The circuit never disappears behind the palette: a maximised work area is restored,
        // and the palette stands beside it.
        if (sub_arquivo->isMaximized())
            sub_arquivo->showNormal();
        sub_biblioteca->showNormal();
        mdi->setActiveSubWindow(sub_biblioteca);
        FormBiblioteca->setFocus();
    } else {
        sub_biblioteca->showMinimized();
    }
}

void TForm1::atualizar_controles()
{
    const TControles &k = estado_.controles;
    const std::pair<const char *, bool> habilitados[] = {
        {"TBiniciar", k.TBiniciar}, {"iniciar", k.iniciar},     {"TBpausar", k.TBpausar},
        {"pausar", k.pausar},       {"TBparar", k.TBparar},     {"parar", k.parar},
        {"novo", k.novo},           {"abrir", k.abrir},         {"salvar", k.salvar},
        {"salvarcomo", k.salvarcomo}, {"assistentesequencia", k.novo}, {"TBnovo", k.TBnovo},     {"TBabrir", k.TBabrir},
        {"TBsalvar", k.TBsalvar},   {"TBcortar", k.TBcortar},   {"TBcopiar", k.TBcopiar},
        {"TBcolar", k.TBcolar},     {"TBexcluir", k.TBexcluir},
    };
    for (const auto &[nome, valor] : habilitados)
        acoes_.value(QString::fromLatin1(nome))->setEnabled(valor);
    acao("TBiniciar")->setChecked(k.TBiniciar_baixo);
    acao("TBpausar")->setChecked(k.TBpausar_baixo);
    // A disabled menu also disables its shortcuts.
    const std::pair<const char *, bool> menus[] = {
        {"editar", k.editar}, {"componentes", k.componentes}, {"demo", k.demo}, {"arquivosrecentes", k.abrir}};
    for (const auto &[nome, valor] : menus) {
        QMenu *m = menus_.value(QString::fromLatin1(nome));
        if (!m)
            continue;
        m->setEnabled(valor);
        m->menuAction()->setEnabled(valor);
        for (QAction *a : m->actions())
            a->setEnabled(valor && a->objectName() != QLatin1String("recentes_vazio"));
    }
    if (QAction *retomar = acao("retomar_f8"))
        retomar->setEnabled(estado_.modo == MODO_SIMULACAO && k.iniciar && !k.pausar);
    // Nothing to undo, a simulation or a gesture under way: undo and redo are off.
    const bool desfazer = k.editar && Pode_Desfazer(estado_), refazer = k.editar && Pode_Refazer(estado_);
    for (const char *nome : {"desfazer", "TBdesfazer"})
        acao(nome)->setEnabled(desfazer);
    for (const char *nome : {"refazer", "TBrefazer"})
        acao(nome)->setEnabled(refazer);
    acao("desfazer")->setText(Legenda_Desfazer(estado_));
    acao("refazer")->setText(Legenda_Refazer(estado_));
    if (FormBiblioteca) {
        FormBiblioteca->setEnabled(k.paleta);
        FormBiblioteca->sincronizar();
    }
}

void TForm1::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    if (primeira_exibicao) {
        primeira_exibicao = false;
        if (mostrar_capa_)
            FormCapa->exec();
        activateWindow();
        setFocus();
        if (!arquivo_inicial_.isEmpty()) {
            Abrir_Arquivo_Inicial(estado_, ui_, arquivo_inicial_);
            atualizar_controles();
            activateWindow();
        }
    }
}

bool TForm1::eventFilter(QObject *objeto, QEvent *evento)
{
    if (colocar_area_) {
        const bool mudou = evento->type() == QEvent::Resize || evento->type() == QEvent::Move;
        if (mudou && objeto == sub_arquivo && sub_arquivo->geometry() != area_colocada_)
            colocar_area_ = false; // placed by hand: it stays where the user puts it
        else if (evento->type() == QEvent::Resize && objeto == mdi->viewport())
            colocar_area();
    }
    if (evento->type() == QEvent::Close && (objeto == sub_biblioteca || objeto == sub_arquivo)) {
        evento->ignore();
        return true;
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void TForm1::closeEvent(QCloseEvent *evento)
{
    if (FormClose(estado_, ui_)) {
        Preferencias()->setValue(QStringLiteral("principal/geometria"), saveGeometry());
        // Kept only when the user placed it; otherwise the next run fills its frame again.
        if (!colocar_area_ && !sub_arquivo->isMaximized() && !sub_arquivo->isMinimized())
            Preferencias()->setValue(QStringLiteral("principal/area"), sub_arquivo->geometry());
        else if (colocar_area_)
            Preferencias()->remove(QStringLiteral("principal/area"));
        if (recuperacao_)
            recuperacao_->encerrar();
        evento->accept();
    } else {
        evento->ignore();
    }
}

void TForm1::definir_recuperacao(TCopia_Recuperacao *copia)
{
    recuperacao_ = copia;
    // Its own clock: the work area's sleeps while nothing happens, and a copy is due all the same.
    auto *relogio = new QTimer(this);
    relogio->setInterval(TCopia_Recuperacao::PERIODO_TIQUE);
    connect(relogio, &QTimer::timeout, this, [this] {
        if (recuperacao_)
            recuperacao_->tique(estado_);
    });
    relogio->start();
}

void TForm1::oferecer_recuperacao()
{
    if (recuperacao_ && Oferecer_Recuperacao(estado_, ui_, *recuperacao_))
        FormArquivo->marcar_alterado();
    atualizar_controles();
}

} // namespace zefira
