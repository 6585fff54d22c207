#pragma once
// TValvula_Direcional: a directional valve of 2 to 5 ways with up to three position squares,
// springs, pilots, manual and mechanical actuators, and the run-time flags the simulation uses.

#include "componentes/valvula_direcional/parte.h"

#include <QImage>
#include <QString>
#include <memory>

namespace zefira {

class TImagens;

class TValvula_Direcional {
public:
    TValvula_Direcional(const TImagens &imagens, int numero_vias);

    int posicao_inicial = 2;
    int posicao_atual = 2;
    int numero_vias;
    bool mola_dir = false, mola_esq = false;
    bool piloto_dir = false, piloto_esq = false;
    bool indice_manual = false, indice_mecanico = false;
    QString rotulo;              // cylinder label whose position presses the left mechanical actuator
    bool acionado_dir = false, acionado_esq = false; // run-time actuation signals
    bool tomada_ar = false;      // an air supply is docked on port 1
    bool retido = false;         // run-time: the shift of the current actuation is done and held
    bool liberado = false;       // run-time: the actuating element was released
    bool mostrar_nome = true;
    QString descricao;           // the valve's name, drawn above it; also a limit-switch name
    int posicao_desenhada = 2;   // position for which esquerda is laid out
    bool redesenhar = false;     // run-time: a cylinder label holds the mechanical actuator

    // Squares 1..3; parte(i) gives square 3 for any i other than 1 and 2.
    void definir_parte(int i, int tipo);
    TParte *parte(int i) const;

    bool mola(bool dir) const { return dir ? mola_dir : mola_esq; }
    void definir_mola(bool dir, bool v) { (dir ? mola_dir : mola_esq) = v; }
    bool piloto(bool dir) const { return dir ? piloto_dir : piloto_esq; }
    void definir_piloto(bool dir, bool v) { (dir ? piloto_dir : piloto_esq) = v; }
    bool acionado(bool dir) const { return dir ? acionado_dir : acionado_esq; }
    // The tag of the solenoid acting on a side (1Y1...); empty when the side has none.
    const QString &solenoide(bool dir) const { return dir ? solenoide_dir_ : solenoide_esq_; }
    void definir_solenoide(bool dir, const QString &tag) { (dir ? solenoide_dir_ : solenoide_esq_) = tag; }
    // A pilot or a solenoid: the side is held while its signal lasts.
    bool sinal_mantido(bool dir) const { return piloto(dir) || !solenoide(dir).isEmpty(); }
    void definir_acionado(bool dir, bool v) { (dir ? acionado_dir : acionado_esq) = v; }

    int acao_manual(bool dir) const { return dir ? acao_manual_dir_ : acao_manual_esq_; }
    int acao_mecanica(bool dir) const { return dir ? acao_mecanica_dir_ : acao_mecanica_esq_; }
    void definir_acao_manual(bool dir, int codigo);
    void definir_acao_mecanica(bool dir, int codigo);

    void ligar(int porta, int codigo);
    void desligar(int porta) { ligar(porta, -1); }
    int conexao(int porta) const;

    void selecionar();
    void desselecionar();
    bool selecionado() const { return selecionado_; }

    // Reloads the actuator pictures: 1 manual, 2 mechanical, 3 springs and pilots only.
    void recarregar(int grupo);

    QImage figura_manual_dir, figura_manual_esq;
    QImage figura_mecanica_dir, figura_mecanica_esq;
    QImage figura_mola_esq, figura_mola_dir;
    QImage figura_piloto_esq, figura_piloto_dir;
    QImage figura_solenoide_esq, figura_solenoide_dir;
    QImage figura_solenoide_esq_on, figura_solenoide_dir_on; // energised

private:
    QString variante(const QString &nome) const;

    const TImagens *imagens_;
    std::unique_ptr<TParte> parte_[3];
    int acao_manual_dir_ = 0, acao_manual_esq_ = 0;
    int acao_mecanica_dir_ = 0, acao_mecanica_esq_ = 0;
    int conexao_[7] = {-1, -1, -1, -1, -1, -1, -1};
    QString solenoide_esq_, solenoide_dir_;
    bool selecionado_ = false;
};

} // namespace zefira
