#pragma once
// TForm1: the main window. A multiple-document frame with the menus, the toolbar, the
// component palette and the one work area; every command is routed to the core.

#include "documento/arquivos_recentes.h"
#include "modelo/estado.h"
#include "janelas/interface_qt.h"

#include <QAction>
#include <QMainWindow>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>
#include <functional>

namespace zefira {

class TFormCapa;
class TFormobs;
class TFormBiblioteca;
class TFormArquivo;
class TFormsobre;
class TJanelaAjuda;
class TCopia_Recuperacao;
class TJanelaDiagrama;
class TFormAssistenteSequencia;
class TJanelaAvaliacaoTurma;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // With mostrar_capa false the splash is never shown (tests, ZEFIRA_SEM_CAPA).
    TForm1(TEstado &estado, bool mostrar_capa = true);
    ~TForm1() override;

    // Menu items and toolbar buttons by their names (e.g. "novo", "TBnovo").
    QAction *acao(const QString &nome) const { return acoes_.value(nome); }
    QMenu *menu(const QString &nome) const { return menus_.value(nome); }
    // Names of the windows in the order they were created.
    const QStringList &ordem_criacao() const { return ordem_criacao_; }

    QMdiArea *mdi;
    QMdiSubWindow *sub_biblioteca = nullptr;
    QMdiSubWindow *sub_arquivo = nullptr;
    TFormCapa *FormCapa = nullptr;
    TFormobs *Formobs = nullptr;
    TFormBiblioteca *FormBiblioteca = nullptr;
    TFormArquivo *FormArquivo = nullptr;
    TFormsobre *Formsobre = nullptr;
    TJanelaAjuda *janela_ajuda = nullptr;
    TJanelaDiagrama *janela_diagrama = nullptr;
    // Made the first time they are asked for; they keep the last request for the session.
    TFormAssistenteSequencia *assistente_sequencia = nullptr;
    TJanelaAvaliacaoTurma *janela_turma = nullptr;

    // Mirrors the core's control states (enabled, down) onto the menus, toolbar and palette.
    void atualizar_controles();
    void Biblioteca1Click();
    void sairClick() { close(); }
    void abrir_ajuda(const QString &item);
    // The run's recovery copy: written on a clock of its own, deleted on a clean exit.
    void definir_recuperacao(TCopia_Recuperacao *copia);
    // At start-up: offers the circuits left by runs that did not end cleanly.
    void oferecer_recuperacao();
    // A circuit file named by a help document's link, opened as an unnamed copy (Abrir_Copia).
    void abrir_circuito(const QString &caminho);
    // Shows the window where it was left in the last run, maximised the first time, and the
    // work area as it was left or, the first time, filling the frame beside the palette.
    void exibir();
    const TArquivosRecentes &arquivos_recentes() const { return recentes_; }
    // A circuit file to open when the window is first shown, after the splash.
    void abrir_ao_iniciar(const QString &nome) { arquivo_inicial_ = nome; }

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    // The palette and the work area live for the whole run: closing them is refused.
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void criar_janelas();
    void criar_menus();
    void criar_barra();
    void ligar_comandos();
    void executar(const QString &nome);
    void construir_demo(const QString &nome);
    void assistente_sequenciaClick();
    void avaliar_turmaClick();
    // A class file double-clicked in "Avaliar turma": opened as Arquivo › Abrir opens it.
    void abrir_da_turma(const QString &arquivo);
    // After every command: a newly named document heads the recent files; the last folder of
    // the file dialogs is kept.
    void depois_do_comando(const QString &documento_antes);
    void criar_recentes();
    void atualizar_recentes();
    // The speed items form one exclusive group; the choice is kept between runs.
    void preparar_velocidades();
    void preparar_forca_teorica();
    void escolher_velocidade(int intervalo);
    // Puts the work area where the last run left it, or beside the palette filling the frame,
    // always inside the frame with its title bar in sight. Done again as the frame is resized,
    // until the user moves or resizes the work area.
    void colocar_area();

    TEstado &estado_;
    TInterfaceQt ui_;
    bool primeira_exibicao = true;
    bool mostrar_capa_;
    QString arquivo_inicial_;
    QMap<QString, QAction *> acoes_;
    QMap<QString, QMenu *> menus_;
    QMap<QString, std::function<void()>> comandos_;
    QStringList ordem_criacao_;
    QList<QWidget *> dialogos_; // property dialogs and the hidden symbol window
    TCopia_Recuperacao *recuperacao_ = nullptr;
    TArquivosRecentes recentes_;
    bool colocar_area_ = false;  // from exibir() until the user places the work area
    QRect area_colocada_;         // where colocar_area() put it last
    QRect area_guardada_;         // where the last run left it; invalid the first time
};

} // namespace zefira
