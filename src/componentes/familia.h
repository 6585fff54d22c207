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


    // -- edição e acoplamento --


    // -- paleta e diálogos --

};

} // namespace zefira
