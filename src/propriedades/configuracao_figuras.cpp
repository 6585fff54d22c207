#include "propriedades/configuracao_figuras.h"

#include "simbolos/imagens.h"
#include "modelo/constantes.h"

#include <algorithm>

namespace zefira {

namespace {

struct Lista {
    int tipo;
    QStringList figuras;
};

// Row index = the code stored: actuator code for lists 1..4, symbol index for lists 7..10.
const std::vector<Lista> &Listas()
{
    static const std::vector<Lista> listas = {
        {LISTA_MANUAL_ESQ,
         {"nada", "manual_botao_esq", "manual_botao_trava_esq", "manual_alavanca_esq", "manual_alavanca_trava_esq",
          "manual_pedal_esq"}},
        {LISTA_MANUAL_DIR,
         {"nada", "manual_botao_dir", "manual_botao_trava_dir", "manual_alavanca_dir", "manual_alavanca_trava_dir",
          "manual_pedal_dir"}},
        {LISTA_MECANICA_ESQ, {"nada", "mecanica_pino_esq", "mecanica_rolete_esq", "mecanica_gatilho_esq"}},
        {LISTA_MECANICA_DIR, {"nada", "mecanica_pino_dir", "mecanica_rolete_dir", "mecanica_gatilho_dir"}},
        {7, {"nada", "fig_2va", "fig_2vf"}},
        {8, {"nada", "fig_3va", "fig_3vf", "fig_3cf"}},
        {9, {"nada", "fig_4e", "fig_4d", "fig_4can", "fig_4cap", "fig_4cfb", "fig_4cf"}},
        {10, {"nada", "fig_5e", "fig_5d", "fig_5can", "fig_5cap", "fig_5cf"}},
    };
    return listas;
}

const QStringList NOMES_MANUAIS = {QStringLiteral("Nenhum"), QStringLiteral("Botão"),
                                   QStringLiteral("Botão com Trava"), QStringLiteral("Alavanca"),
                                   QStringLiteral("Alavanca com Trava"), QStringLiteral("Pedal")};
const QStringList NOMES_MECANICOS = {QStringLiteral("Nenhum"), QStringLiteral("Pino"), QStringLiteral("Rolete"),
                                     QStringLiteral("Gatilho")};

constexpr int MARGEM = 3;

// Cell height of a list of n rows in a window of height altura, halves to even.
int celula(int altura, int n) { return R(double(altura) / n); }

} // namespace

QStringList TConfiguracao_Figuras::figuras_lista(int tipo)
{
    for (const Lista &l : Listas())
        if (l.tipo == tipo)
            return l.figuras;
    return {};
}

QStringList TConfiguracao_Figuras::nomes_lista(int tipo)
{
    if (tipo == LISTA_MANUAL_ESQ || tipo == LISTA_MANUAL_DIR)
        return NOMES_MANUAIS;
    if (tipo == LISTA_MECANICA_ESQ || tipo == LISTA_MECANICA_DIR)
        return NOMES_MECANICOS;
    return {};
}

std::vector<int> TConfiguracao_Figuras::topos_linhas(const TImagens &imagens, int tipo)
{
    const QStringList figuras = figuras_lista(tipo);
    std::vector<int> topos;
    if (lista_de_acionadores(tipo)) {
        // Every row takes the height of the empty square, whatever the actuator's own size.
        const int h = imagens.tamanho(QStringLiteral("nada")).height();
        for (int k = 0; k < figuras.size(); ++k)
            topos.push_back(MARGEM + k * (h + MARGEM));
    } else {
        int y = MARGEM;
        for (const QString &f : figuras) {
            topos.push_back(y);
            y += imagens.tamanho(f).height() + MARGEM;
        }
    }
    return topos;
}

int TConfiguracao_Figuras::altura_lista(const TImagens &imagens, int tipo)
{
    const QStringList figuras = figuras_lista(tipo);
    if (figuras.isEmpty())
        return -1;
    const std::vector<int> topos = topos_linhas(imagens, tipo);
    const QString &ultima = lista_de_acionadores(tipo) ? QStringLiteral("nada") : figuras.last();
    return topos.back() + imagens.tamanho(ultima).height() + MARGEM;
}

int TConfiguracao_Figuras::linha_em(int altura, int y) const
{
    const int n = numero_linhas(tipo_lista);
    if (n == 0)
        return -1;
    const int c = std::max(1, celula(altura, n));
    return std::clamp(I(double(y) / c), 0, n - 1);
}

bool TConfiguracao_Figuras::escolher(int altura, int y)
{
    const int k = linha_em(altura, y);
    if (k < 0)
        return false;
    // An actuator list writes its side's code; a list of position symbols, the position edited.
    int *const acionador[] = {&manual_esq, &manual_dir, &mecanica_esq, &mecanica_dir};
    if (lista_de_acionadores(tipo_lista)) {
        *acionador[tipo_lista - LISTA_MANUAL_ESQ] = k;
        return true;
    }
    if (posicao_editada < 1 || posicao_editada > 3)
        return false;
    figura_posicao[posicao_editada] = k;
    return true;
}

bool TConfiguracao_Figuras::dica_em(int altura, int y, QString &dica) const
{
    const QStringList nomes = nomes_lista(tipo_lista);
    if (nomes.isEmpty())
        return false;
    const int c = celula(altura, int(nomes.size()));
    for (int k = 0; k < nomes.size(); ++k)
        if (k * c <= y && y < (k + 1) * c) {
            dica = nomes[k];
            return true;
        }
    return false;
}

} // namespace zefira
