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
    int numero_portas() const override;
    TDominio dominio(int porta) const override;
    int direcao(const TComponente &c, int porta) const override;
    int conexao(const TComponente &c, int porta) const override;
    void ligar(TComponente &c, int porta, int codigo) const override;
    void desligar(TComponente &c, int porta) const override;
    void atualizar_geometria(TComponente &c) const override;
    void remover_ligacoes(TLista_Componente &lista, TComponente &c) const override;
    // -- percurso da pressão e passo do sistema --


    // -- desenho --
    void desenhar(TComponente &c, TPintor &pintor) const override;
    void anotar_sem_desenhar(TComponente &c) const override;
    bool desenho_pendente(const TComponente &c) const override;
    void repor_desenho_pendente(TComponente &c) const override;
    TComponente *amostra(TLista_Componente &lista, int i, QString &arquivo, QStringList &numeros) const override;


    // -- arquivo e demonstrações --


    // -- edição e acoplamento --


    // -- paleta e diálogos --

};

} // namespace zefira
