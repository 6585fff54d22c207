#pragma once
// TFamilia: everything the rest of the program asks of one kind of component. Each family lives
// in its own folder beside this file and is listed once, in registro.cpp. The hooks are pure, so
// a family that forgets one does not compile.

#include <QString>

namespace zefira {

class TComponente;
class TImagens;
class TLista_Componente;
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
    // attached to (a wire's ends, a docked supply's host) take its code.
    virtual void ligar_demonstracao(TLista_Componente &lista, const TComponente &c) const = 0;


    // -- edição e acoplamento --


    // -- paleta e diálogos --

};

} // namespace zefira
