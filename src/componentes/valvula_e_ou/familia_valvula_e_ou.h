#pragma once
// TFamilia_Valvula_E_Ou: the AND, OR, quick-exhaust and flow-regulator valves, one record type with three ports.

#include "componentes/familia.h"

namespace zefira {

class TFamilia_Valvula_E_Ou final : public TFamilia {
public:
    int tipo() const override;
    void criar(TComponente &c, const TImagens &imagens, const TVariante &variante) const override;
    bool selecionado(const TComponente &c) const override;
    void selecionar(TComponente &c) const override;
    void desselecionar(TComponente &c) const override;
    const TFamilia_Eletrica *eletrica() const override;
    int numero_portas() const override;
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
    const TTipo_Arquivo *arquivo() const override;
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
    const std::vector<TEntrada_Paleta> &paleta() const override;
    void posicionar(TLista_Componente &lista, TComponente &c, const TVariante &variante) const override;
    QString dialogo_propriedades(const TComponente &c) const override;

};

} // namespace zefira
