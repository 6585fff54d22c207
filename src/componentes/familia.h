#pragma once
// TFamilia: everything the rest of the program asks of one kind of component. Each family lives
// in its own folder beside this file and is listed once, in registro.cpp. The hooks are pure, so
// a family that forgets one does not compile.

#include <QString>
#include <vector>

namespace zefira {

class TComponente;
class TImagens;
class TLista_Componente;
struct TEntrada_Paleta;
struct TLinha_Demonstracao;
struct TTipo_Arquivo;

// What a port carries. A wire joins ports of one domain only.
enum class TDominio { ar, eletrico };

// The choices a palette entry, a demonstration or a file makes when it creates a record; each
// family reads the one that concerns it.
struct TVariante {
    int tipo_e_ou = -1;
    int tipo_cilindro = -1;
    int numero_vias = -1;
    int eletrico = -1; // the kind within an electrical family (a button's NA or NF...)
};

// The pressure walk's and the simulation's sides of the hooks below (contexto_percurso.h,
// contexto_simulacao.h) and what they exchange.
class TContexto_Percurso;
class TContexto_Simulacao;
struct TPasso_Percurso;
enum class TEtapa_Simulacao;
struct TLinha_Historico;
class TTomada_Ar;
class TFamilia_Eletrica;

class TFamilia {
public:
    virtual ~TFamilia() = default;

    // The tag written in files (TComponente::tipo).
    virtual int tipo() const = 0;

    // Creates the kind object with its defaults and gives the record its default name.
    virtual void criar(TComponente &c, const TImagens &imagens, const TVariante &variante) const = 0;

    virtual bool selecionado(const TComponente &c) const = 0;
    virtual void selecionar(TComponente &c) const = 0;
    virtual void desselecionar(TComponente &c) const = 0;

    // The electrical side of the kind (componentes/eletrico/familia_eletrica.h); null for the
    // pneumatic kinds, which take no part in the circuit of current.
    virtual const TFamilia_Eletrica *eletrica() const = 0;

    // Ports are numbered 1..numero_portas(); a wire has none (its ends are its connections).
    virtual int numero_portas() const = 0;
    virtual TDominio dominio(int porta) const = 0;
    // The side a wire leaves a port from (DirecaoPorta), 0 for a port the record lacks.
    virtual int direcao(const TComponente &c, int porta) const = 0;
    // The code held by a port's slot, -1 for a free port and for ports the kind lacks.
    virtual int conexao(const TComponente &c, int porta) const = 0;
    virtual void ligar(TComponente &c, int porta, int codigo) const = 0;
    virtual void desligar(TComponente &c, int porta) const = 0;

    // Lays out the box and the ports from the pictures and the record's position.
    virtual void atualizar_geometria(TComponente &c) const = 0;

    // The delete cascade: before `c` leaves `lista`, removes the wires on its ports and frees
    // what it was docked on or what was docked on it.
    virtual void remover_ligacoes(TLista_Componente &lista, TComponente &c) const = 0;
    // -- percurso da pressão e passo do sistema --
    // The pressure walk: leaves `c` by the port its node stands on (a wire: 0 when it was entered
    // at its origin end, 1 at its destination end)...
    virtual TPasso_Percurso sair(TContexto_Percurso &percurso, TComponente &c, int porta) const = 0;
    // ...and enters `c` by `porta`, from a wire or from a regulator docked on the port.
    virtual TPasso_Percurso entrar(TContexto_Percurso &percurso, TComponente &c, int porta) const = 0;
    // Whether one walk passes each port of the kind at most once: a junction spreads to all of
    // its ports, back ones included, so meeting it again is going round a loop.
    virtual bool percorrer_uma_vez() const = 0;
    // A supply docked on one of `c`'s ports (tomada.pino) feeds it as a step begins.
    virtual void receber_ar(TContexto_Simulacao &simulacao, TComponente &c, const TTomada_Ar &tomada) const = 0;
    // Its part in each moment of a run (TEtapa_Simulacao); `indice` is its place in the list.
    virtual void simular(TContexto_Simulacao &simulacao, int indice, TEtapa_Simulacao etapa) const = 0;
    // The stop puts back what the run changed, from `partida`: the record as the start kept it.
    virtual void restaurar_partida(TComponente &c, const TComponente &partida) const = 0;
    // A click on the actuator of one side toggles it; false when refused or the kind has none.
    virtual bool acionar(TComponente &c, bool dir) const = 0;
    // Whether clicks act on the record, and the name a script may call it by instead of its code.
    virtual bool acionavel(const TComponente &c, QString &nome) const = 0;
    // Where the movement record finds the record after each step; false when it keeps none.
    virtual bool registrar_posicao(const TComponente &c, TLinha_Historico &linha, int &posicao) const = 0;
    // The record in a line of zefira-cli simular: the JSON list it joins ("cilindros", "valvulas",
    // "fios" or "e_ou"; none for kinds the line leaves out) and its object.
    struct TEstado_Simulado {
        const char *lista = nullptr;
        QString objeto;
    };
    virtual TEstado_Simulado estado_simulado(const TComponente &c, bool forca_teorica) const = 0;
    // The classroom check: the name its findings give the record (none for a variant the check
    // does not know) and the ports that must be attached for it to do its work (0 = none).
    struct TVerificado {
        const char *nome = nullptr;
        int portas[3] = {0, 0, 0};
    };
    virtual TVerificado verificado(const TComponente &c) const = 0;


    // -- desenho --
    // Paints the record's picture, in red when it is selected, through the surface's services
    // (componentes/pintor.h). The renderer paints the other kinds first, in list order, and
    // the tubes over them.
    virtual void desenhar(TComponente &c, class TPintor &pintor) const = 0;
    // What painting writes back into the record, for a record left out because it is out of
    // sight, so that what is seen and saved never depends on where the view is.
    virtual void anotar_sem_desenhar(TComponente &c) const = 0;
    // True when the next repaint would differ with nothing else changed: a cam shown for the
    // step that pressed it is taken down by the repaint after it. repor_desenho_pendente puts
    // back what that repaint took down, for a measure that paints the circuit several times.
    virtual bool desenho_pendente(const TComponente &c) const = 0;
    virtual void repor_desenho_pendente(TComponente &c) const = 0;
    // The whole records the help's symbol page shows beside the library's pictures: sample `i`
    // (from 0) is added to `lista`, laid out, and returned with its file name and the number
    // written by each port (entry k for port k + 1, none when empty); nullptr past the last.
    virtual TComponente *amostra(TLista_Componente &lista, int i, QString &arquivo,
                                 QStringList &numeros) const = 0;


    // -- arquivo e demonstrações --
    // How the kind is stored in a circuit file, the one field list the reader, the writer and
    // the copy of a record walk; null for a record no file stores.
    virtual const TTipo_Arquivo *arquivo() const = 0;
    // After the reader applied the stored fields: the pictures the values pick, then the layout.
    virtual void concluir_leitura(TComponente &c) const = 0;
    // True when a demonstration table names the kind by `palavra`; `variante` gets the choices
    // the word creates the record with.
    virtual bool palavra_demonstracao(const QString &palavra, TVariante &variante) const = 0;
    // Sets up a demonstration record from its row (code, place, settings), pictures and layout
    // included; false for a row the kind cannot take.
    virtual bool montar_demonstracao(TComponente &c, const TLinha_Demonstracao &linha) const = 0;
    // Once every record of a demonstration is in the list: the ports the record says it is
    // attached to (a wire's ends, a docked supply's host) take its code; a wire whose row left
    // its path to the program is routed between its ports.
    virtual void ligar_demonstracao(TLista_Componente &lista, TComponente &c) const = 0;


    // -- edição e acoplamento --
    // Ports the pointer offers for a wire end, 1..n, tried in this order.
    virtual int portas_para_fio(const TComponente &c) const = 0;
    // Its ports lie close together (a junction): the pointer must come nearer to pick one.
    virtual bool portas_juntas() const = 0;
    // Ties a port to a wire, to the pending mark of a wire being drawn, or to nothing (LIVRE).
    virtual void ligar_fio(TComponente &c, int porta, int codigo) const = 0;

    // What the context menu offers for a component and what Propriedades does with it.
    struct TComandos {
        bool liberar = false;     // without a dialog (dialogo_propriedades), Propriedades lets the selection go
        bool rotacionar = false;  // Rotacionar is offered
        bool acionadores = false; // after the dialog the actuators are laid out again
        bool reassentar = false;  // the dialog may reshape it in place: wires and docked parts follow
    };
    virtual TComandos comandos(const TComponente &c) const = 0;
    // Rotacionar: turns it in place; false for a kind that does not turn.
    virtual bool rotacionar(TComponente &c) const = 0;

    // Docking, from the part that sits by its port 1 on a host's port without a wire.
    virtual bool acoplavel() const = 0;
    // A source of compressed air: the only part a valve's supply port takes.
    virtual bool fornece_ar() const = 0;
    // How far left of the host's port its box starts when docked.
    virtual int recuo_acoplado() const = 0;
    // Records the host and the host's port it docked on (-1: none).
    virtual void prender(TComponente &acoplado, int codigo_hospedeiro, int porta) const = 0;
    // After a drag, puts it back under the host port it is docked on. True when it has wires
    // of its own that must follow it there.
    virtual bool encaixar(TLista_Componente &lista, TComponente &c) const = 0;

    // Docking, from the host.
    // Whether its ports take `acoplado`.
    virtual bool acolhe(const TComponente &acoplado) const = 0;
    // A part it takes has moved: docks it on a free port within reach (true) or lets it go when
    // it moved away from the port it sat on.
    virtual bool acoplar(TComponente &hospedeiro, TComponente &acoplado) const = 0;
    // Where a part docked on `porta` sits: the x its port 1 lines up with, and its top.
    struct TEncaixe {
        int x;
        int topo;
    };
    virtual TEncaixe encaixe(const TComponente &hospedeiro, int porta) const = 0;
    // What is wired to its docked parts moves with it.
    virtual bool leva_ligacoes_dos_acoplados() const = 0;
    // Docks the air supply it asks for and lacks (a valve fed on its free port 1); returns the
    // supply added, or nullptr.
    virtual TComponente *alimentar(TLista_Componente &lista, TComponente &c) const = 0;


    // -- paleta e diálogos --
    // The family's palette entries (componentes/entrada_paleta.h), in palette order; none for a tube.
    virtual const std::vector<TEntrada_Paleta> &paleta() const = 0;
    // Finishes a component just placed from the palette with `variante`: lays it out; a new
    // directional valve also gets its starting squares and a supply docked on its port 1.
    virtual void posicionar(TLista_Componente &lista, TComponente &c, const TVariante &variante) const = 0;
    // The name of the property dialog a double click opens on `c`; empty when it has none.
    virtual QString dialogo_propriedades(const TComponente &c) const = 0;

};

} // namespace zefira
