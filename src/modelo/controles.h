#pragma once
// TControles: enabled and pressed states of the main window's controls that the simulation
// commands switch. The core keeps them; the shell mirrors them onto its widgets.

namespace zefira {

struct TControles {
    // Toolbar check buttons: down (pressed) state.
    bool TBiniciar_baixo = false;
    bool TBpausar_baixo = false;

    // Enabled states.
    bool TBiniciar = true, iniciar = true;
    bool TBpausar = true, pausar = true;
    bool TBparar = false, parar = false;
    bool editar = true, componentes = true;
    bool novo = true, abrir = true, salvar = true, salvarcomo = true;
    bool TBnovo = true, TBabrir = true, TBsalvar = true;
    bool TBcortar = true, TBcopiar = true, TBcolar = true, TBexcluir = true;
    bool paleta = true; // the component palette window
    bool demo = true;   // the Demo menu: a demonstration replaces the circuit, as Novo does
};

} // namespace zefira
