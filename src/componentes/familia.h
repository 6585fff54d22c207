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


    // -- paleta e diálogos --
    // The family's palette entries (componentes/entrada_paleta.h), in palette order; none for a tube.
    virtual const std::vector<TEntrada_Paleta> &paleta() const = 0;
    // Finishes a component just placed from the palette with `variante`: lays it out; a new
    // directional valve also gets its starting squares and a supply docked on its port 1.
    virtual void posicionar(TLista_Componente &lista, TComponente &c, const TVariante &variante) const = 0;
    // The name of the property dialog a double click opens on `c`; empty when it has none.
    virtual QString dialogo_propriedades(const TComponente &c) const = 0;
    // The supply a valve's "Ar comprimido" box docks on its port 1 and takes away when cleared.
    virtual bool suprimento_ar_comprimido() const = 0;

};

} // namespace zefira
