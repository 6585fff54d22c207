#pragma once
// TConfiguracao_Valvula: the directional valve dialog without its window. The working copy
// (shared with the symbol picker), the states of the dialog's controls, and the rules that keep
// the actuators of a valve physically sensible; the valve is written only by ButOKClick.

#include "propriedades/configuracao_figuras.h"

#include <QString>
#include <QStringList>

namespace zefira {

class TComponente;
class TLista_Componente;

// A check box as the rules see it.
struct TCaixa_Marcacao {
    bool marcado = false;
    bool habilitado = true;
};

class TConfiguracao_Valvula {
public:
    explicit TConfiguracao_Valvula(TConfiguracao_Figuras &figuras) : figuras(figuras) {}

    // The working copy the picker writes.
    TConfiguracao_Figuras &figuras;

    // Inputs, set before the dialog is shown.
    TLista_Componente *valvula_lista = nullptr;
    TComponente *valvula_componente = nullptr;

    int posicao_escolhida = 1;
    int numero_posicoes = 2;
    int numero_posicoes_anterior = 2;

    // Control states; index false is the left side, true the right side.
    TCaixa_Marcacao mola[2], piloto[2];
    // A solenoid is an actuator of its side as a pilot is, and excludes it; its tag names the
    // coil the circuit of current energises.
    TCaixa_Marcacao solenoide[2];
    QString tag_solenoide[2];
    bool botao_manual_habilitado[2] = {true, true};
    bool botao_mecanica_habilitado[2] = {true, true};
    bool posicao3_habilitada = true; // RBpos3 and Butpos3
    bool ar_comprimido = false;
    bool mostrar_nome = true;
    QString descricao;
    QStringList rotulos; // the hidden list CBrotulo: " " and the free cylinder labels

    void preparar(TLista_Componente &lista, TComponente &componente);
    int numero_vias() const;
    // All three positions filled.
    bool tres_posicoes() const;

    // Setting a box from code behaves as a click: a change of state runs the box's rule.
    void marcar_mola(bool dir, bool marcado);
    void marcar_piloto(bool dir, bool marcado);
    void marcar_solenoide(bool dir, bool marcado);
    void definir_tag_solenoide(bool dir, const QString &texto);
    // The tag a side's solenoid gets when the valve had none there.
    static QString tag_padrao(bool dir);
    void definir_descricao(const QString &texto);

    void FormShow();
    void FormActivate();
    void FormClose() { figuras.tipo_lista = LISTA_NENHUMA; }
    void colocar_rotulos();
    void AtualizarMola(bool dir);
    void AtualizarPiloto(bool dir);
    void AtualizarSolenoide(bool dir);

    // The picker buttons: which list the picker shows (and for positions which one it edits).
    void Butmanual(bool dir) { figuras.tipo_lista = dir ? LISTA_MANUAL_DIR : LISTA_MANUAL_ESQ; }
    void Butmecanica(bool dir) { figuras.tipo_lista = dir ? LISTA_MECANICA_DIR : LISTA_MECANICA_ESQ; }
    void Butpos(int posicao);
    void RBposClick(int posicao) { posicao_escolhida = posicao; }

    void ButOKClick();

    // Symbol index of a square code (0 for none or unknown), and the code of an index for a
    // number of ways (-1 for index 0, -2 when the valve has no such symbol).
    static int indice_figura(int codigo_parte);
    static int codigo_parte(int numero_vias, int indice);
    // Picture of a symbol index for a number of ways; empty when there is none.
    static QString figura_indice(int numero_vias, int indice);
    // Picture of an actuator code for a side; empty when the code is out of range.
    static QString figura_manual(bool dir, int codigo);
    static QString figura_mecanica(bool dir, int codigo);

    // Moves filled positions down over empty ones, carrying the chosen initial position along.
    static void Fechar_Lacunas(int (&p)[4], int &inicial);

private:
    static bool com_trava(int manual) { return manual == 2 || manual == 4; }
    void limpar_acionadores(bool dir);
    // The actuators held by a signal (pilot, solenoid): taken off a side, or made (un)available.
    void desmarcar_sinais(bool dir);
    void habilitar_sinais(bool dir, bool habilitado);
    void apos_sinal(bool dir);
    void habilitar_lado(bool dir);
    void liberar_lado(bool dir);
    void esvaziar_lado(bool dir);
    void ativar_tres_posicoes(int lista);
    void ativar_duas_posicoes(int lista);
};

} // namespace zefira
