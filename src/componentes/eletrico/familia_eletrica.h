#pragma once
// TFamilia_Eletrica: what every electrical part shares. It answers the pneumatic hooks once for
// all of them (no air passes, nothing docks, no rotation), lays a record out from its symbol's
// ports, draws the symbol with its tag beside it and keeps the run-time state. Each family
// (its own folder) says what is particular to it through the hooks that stay pure here: its
// symbol and ports, how it conducts, its file fields, its palette entries and its dialog.

#include "componentes/familia.h"

namespace zefira {

class TContexto_Eletrico;
class TEletrico;

// A text as a JSON string, quotes included (a tag in a line of zefira-cli simular).
QString Texto_Json(const QString &texto);

class TFamilia_Eletrica : public TFamilia {
public:
    // -- what each electrical family says --
    // A port of the symbol: where it lies from the box's top-left corner and the side a wire
    // leaves it from (DirecaoPorta); direcao 0 for a port the record lacks.
    struct TPorta_Simbolo {
        int x = 0, y = 0, direcao = 0;
    };
    virtual TPorta_Simbolo porta_simbolo(const TComponente &c, int porta) const = 0;
    // The symbol library's picture for the record as it stands (every state of a record has
    // the same size).
    virtual QString figura(const TComponente &c) const = 0;
    // The settings a palette entry (variante.eletrico) places the record with.
    virtual void padrao(TComponente &c, int modo) const = 0;
    // What a new record's tag is numbered after ("S" gives S1, S2...); empty keeps the tag.
    virtual QString prefixo_tag(const TComponente &c) const = 0;
    // What the solver does with the record's output: contacts follow a coil's or counter's by
    // its tag, valves follow a solenoid's by its tag.
    enum class TPapel { outro, comando, solenoide };
    virtual TPapel papel() const;
    // Drawn over the symbol's picture: the colour of a lit lamp.
    virtual void realcar(const TComponente &c, TPintor &pintor) const;
    // The name the circuit check gives the record.
    virtual const char *nome() const = 0;
    // The kind's word in a demonstration table ("button", "coil"...).
    virtual const char *palavra() const = 0;
    // Describes the record in its present state to the solver (rails, closed paths, loads).
    virtual void conduzir(TContexto_Eletrico &ctx, const TComponente &c) const = 0;
    // After a round: takes what its loads carry. True when an output that contacts follow
    // changed (each output changes at most once a step, so a relay that cuts its own coil
    // chatters one change per step instead of hanging the round).
    virtual bool responder(TContexto_Eletrico &ctx, TComponente &c) const;
    // The step is solved: timers and counters move on.
    virtual void fechar_passo(TComponente &c) const;
    // Whether clicks act on the part while simulating (a button); pressionar is one click.
    virtual bool clicavel(const TComponente &c) const;
    virtual bool pressionar(TComponente &c) const;
    // The mouse button released: a momentary button springs back.
    virtual void soltar(TComponente &c) const;

    // -- TFamilia, shared by every electrical part --
    const TFamilia_Eletrica *eletrica() const override;
    void criar(TComponente &c, const TImagens &imagens, const TVariante &variante) const override;
    bool selecionado(const TComponente &c) const override;
    void selecionar(TComponente &c) const override;
    void desselecionar(TComponente &c) const override;
    TDominio dominio(int porta) const override;
    int direcao(const TComponente &c, int porta) const override;
    int conexao(const TComponente &c, int porta) const override;
    void ligar(TComponente &c, int porta, int codigo) const override;
    void desligar(TComponente &c, int porta) const override;
    void atualizar_geometria(TComponente &c) const override;
    void remover_ligacoes(TLista_Componente &lista, TComponente &c) const override;
    // -- percurso da pressão e passo do sistema --
    TPasso_Percurso sair(TContexto_Percurso &percurso, TComponente &c, int porta) const override;
    TPasso_Percurso entrar(TContexto_Percurso &percurso, TComponente &c, int porta) const override;
    bool percorrer_uma_vez() const override;
    void receber_ar(TContexto_Simulacao &simulacao, TComponente &c, const TTomada_Ar &tomada) const override;
    void simular(TContexto_Simulacao &simulacao, int indice, TEtapa_Simulacao etapa) const override;
    void restaurar_partida(TComponente &c, const TComponente &partida) const override;
    bool acionar(TComponente &c, bool dir) const override;
    bool acionavel(const TComponente &c, QString &nome) const override;
    bool registrar_posicao(const TComponente &c, TLinha_Historico &linha, int &posicao) const override;
    TEstado_Simulado estado_simulado(const TComponente &c, bool forca_teorica) const override;
    TVerificado verificado(const TComponente &c) const override;
    // -- desenho --
    void desenhar(TComponente &c, TPintor &pintor) const override;
    void anotar_sem_desenhar(TComponente &c) const override;
    bool desenho_pendente(const TComponente &c) const override;
    void repor_desenho_pendente(TComponente &c) const override;
    TComponente *amostra(TLista_Componente &lista, int i, QString &arquivo, QStringList &numeros) const override;
    // -- arquivo e demonstrações --
    void concluir_leitura(TComponente &c) const override;
    bool palavra_demonstracao(const QString &palavra, TVariante &variante) const override;
    bool montar_demonstracao(TComponente &c, const TLinha_Demonstracao &linha) const override;
    void ligar_demonstracao(TLista_Componente &lista, TComponente &c) const override;
    // -- edição e acoplamento --
    int portas_para_fio(const TComponente &c) const override;
    bool portas_juntas() const override;
    void ligar_fio(TComponente &c, int porta, int codigo) const override;
    TComandos comandos(const TComponente &c) const override;
    bool rotacionar(TComponente &c) const override;
    bool acoplavel() const override;
    bool fornece_ar() const override;
    int recuo_acoplado() const override;
    void prender(TComponente &acoplado, int codigo_hospedeiro, int porta) const override;
    bool encaixar(TLista_Componente &lista, TComponente &c) const override;
    bool acolhe(const TComponente &acoplado) const override;
    bool acoplar(TComponente &hospedeiro, TComponente &acoplado) const override;
    TEncaixe encaixe(const TComponente &hospedeiro, int porta) const override;
    bool leva_ligacoes_dos_acoplados() const override;
    TComponente *alimentar(TLista_Componente &lista, TComponente &c) const override;
    // -- paleta e diálogos --
    void posicionar(TLista_Componente &lista, TComponente &c, const TVariante &variante) const override;
};

} // namespace zefira
