#pragma once
// TFamilia: everything the rest of the program asks of one kind of component. Each family lives
// in its own folder beside this file and is listed once, in registro.cpp. The hooks are pure, so
// a family that forgets one does not compile.

#include <QString>

namespace zefira {

class TComponente;
class TImagens;
class TLista_Componente;

// What a port carries. A wire joins ports of one domain only.
enum class TDominio { ar, eletrico };

// The choices a palette entry, a demonstration or a file makes when it creates a record; each
// family reads the one that concerns it.
struct TVariante {
    int tipo_e_ou = -1;
    int tipo_cilindro = -1;
    int numero_vias = -1;
};

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


    // -- desenho --


    // -- arquivo e demonstrações --


    // -- edição e acoplamento --
    // Ports the pointer offers for a wire end, 1..n, tried in this order.
    virtual int portas_para_fio(const TComponente &c) const = 0;
    // Its ports lie close together (a junction): the pointer must come nearer to pick one.
    virtual bool portas_juntas() const = 0;
    // Ties a port to a wire, to the pending mark of a wire being drawn, or to nothing (LIVRE).
    virtual void ligar_fio(TComponente &c, int porta, int codigo) const = 0;

    // What the context menu offers for a component and what Propriedades does with it.
    struct TComandos {
        bool dialogo = false;     // Propriedades opens the kind's dialog
        bool liberar = false;     // without a dialog, Propriedades lets the selection go
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

};

} // namespace zefira
