#include "componentes/valvula_direcional/valvula_direcional.h"

#include "simbolos/imagens.h"

namespace zefira {

namespace {
const char *const MANUAIS[] = {nullptr, "manual_botao", "manual_botao_trava", "manual_alavanca",
                               "manual_alavanca_trava", "manual_pedal"};
const char *const MECANICAS[] = {nullptr, "mecanica_pino", "mecanica_rolete", "mecanica_gatilho"};
} // namespace

TValvula_Direcional::TValvula_Direcional(const TImagens &imagens, int numero_vias_)
    : numero_vias(numero_vias_), imagens_(&imagens)
{
}

void TValvula_Direcional::definir_parte(int i, int tipo)
{
    if (i < 1 || i > 3)
        return;
    parte_[i - 1].reset();
    if (tipo != -1)
        parte_[i - 1] = std::make_unique<TParte>(*imagens_, tipo);
}

TParte *TValvula_Direcional::parte(int i) const
{
    if (i == 1)
        return parte_[0].get();
    if (i == 2)
        return parte_[1].get();
    return parte_[2].get();
}

void TValvula_Direcional::definir_acao_manual(bool dir, int codigo)
{
    (dir ? acao_manual_dir_ : acao_manual_esq_) = codigo;
    recarregar(1);
}

void TValvula_Direcional::definir_acao_mecanica(bool dir, int codigo)
{
    (dir ? acao_mecanica_dir_ : acao_mecanica_esq_) = codigo;
    recarregar(2);
}

void TValvula_Direcional::ligar(int porta, int codigo)
{
    if (porta >= 1 && porta <= 7)
        conexao_[porta - 1] = codigo;
}

int TValvula_Direcional::conexao(int porta) const
{
    return porta >= 1 && porta <= 7 ? conexao_[porta - 1] : -1;
}

void TValvula_Direcional::selecionar()
{
    selecionado_ = true;
    for (auto &p : parte_)
        if (p)
            p->selecionar();
    recarregar(1);
    recarregar(2);
    recarregar(3);
}

void TValvula_Direcional::desselecionar()
{
    selecionado_ = false;
    for (auto &p : parte_)
        if (p)
            p->desselecionar();
    recarregar(1);
    recarregar(2);
    recarregar(3);
}

QString TValvula_Direcional::variante(const QString &nome) const
{
    return selecionado_ ? nome + QStringLiteral("_selec") : nome;
}

void TValvula_Direcional::recarregar(int grupo)
{
    imagens_->copiar(variante("mola_esq"), figura_mola_esq);
    imagens_->copiar(variante("mola_dir"), figura_mola_dir);
    imagens_->copiar(variante("piloto_esq"), figura_piloto_esq);
    imagens_->copiar(variante("piloto_dir"), figura_piloto_dir);
    imagens_->copiar(variante("solenoide_esq"), figura_solenoide_esq);
    imagens_->copiar(variante("solenoide_dir"), figura_solenoide_dir);
    imagens_->copiar(variante("solenoide_esq_on"), figura_solenoide_esq_on);
    imagens_->copiar(variante("solenoide_dir_on"), figura_solenoide_dir_on);

    // Code 0 is "no actuator": the blank picture in both states. Unknown codes keep the picture.
    auto carregar = [this](const char *const *nomes, int quantidade, int codigo, const char *lado,
                           QImage &destino) {
        if (codigo == 0)
            imagens_->copiar(QStringLiteral("nada"), destino);
        else if (codigo > 0 && codigo < quantidade)
            imagens_->copiar(variante(QString::fromLatin1(nomes[codigo]) + lado), destino);
    };
    if (grupo == 1) {
        carregar(MANUAIS, 6, acao_manual_dir_, "_dir", figura_manual_dir);
        carregar(MANUAIS, 6, acao_manual_esq_, "_esq", figura_manual_esq);
    } else if (grupo == 2) {
        carregar(MECANICAS, 4, acao_mecanica_dir_, "_dir", figura_mecanica_dir);
        carregar(MECANICAS, 4, acao_mecanica_esq_, "_esq", figura_mecanica_esq);
    }
}

} // namespace zefira
