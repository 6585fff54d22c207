#pragma once
// TPasso_Simulacao: the simulation's side of the families' hooks for the moments of a run
// (TContexto_Simulacao): the state, walks on a TPercurso built when first needed, and the
// labels pressed in the rest state.

#include "componentes/contexto_eletrico.h"
#include "componentes/contexto_simulacao.h"
#include "simulacao/percurso.h"

#include <QHash>
#include <QSet>
#include <optional>

namespace zefira {

class TPasso_Simulacao final : public TContexto_Simulacao {
public:
    explicit TPasso_Simulacao(TEstado &estado) : estado_(estado) {}

    // Every record of the list, in list order, takes its part in `etapa`.
    void executar(TEtapa_Simulacao etapa);

    TEstado &estado() override { return estado_; }
    TComponente *procurar(int codigo) override { return percurso().procurar(codigo); }
    Tno *nova_raiz(int componente, int porta, int pressao, int vazao) override;
    bool percorrer(bool pressurizando, Tno *raiz) override { return percurso().Montar_Lista(pressurizando, raiz); }
    int proxima_posicao(TCilindro &cilindro, bool avancar, int vazao, int pressao) override
    {
        return percurso().ProcurarProximaPosicao(cilindro, avancar, vazao, pressao);
    }
    void atualizar_contatos(TCilindro &cilindro, TFormaContato forma) override
    {
        percurso().Atualizar_Contatos(cilindro, forma);
    }
    void pressionar_rotulo(const QString &texto) override { ++pressoes_[texto]; }
    int pressoes(const QString &texto) const override { return pressoes_.value(texto); }
    bool solenoide(const QString &tag) const override { return solenoides_.contains(Chave_Tag(tag)); }
    void definir_solenoides(const QSet<QString> &tags) { solenoides_ = tags; }

private:
    TPercurso &percurso();

    TEstado &estado_;
    std::optional<TPercurso> percurso_;
    QHash<QString, int> pressoes_;
    QSet<QString> solenoides_;
};

} // namespace zefira
