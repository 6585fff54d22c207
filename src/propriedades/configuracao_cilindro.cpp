#include "propriedades/configuracao_cilindro.h"

#include "modelo/componente.h"
#include "modelo/constantes.h"

namespace zefira {

namespace {
constexpr double RAZAO_HASTE = 0.707;
constexpr int HASTE_MINIMA = 12;
} // namespace

TConfiguracao_Cilindro::TConfiguracao_Cilindro()
    : legenda(QStringLiteral("Cilindro de Ação Simples")),
      posicao{0, 0, 100, false},
      pistao{100, 32, 200, false},
      haste{40, HASTE_MINIMA, 70, false},
      texto_haste(QStringLiteral("mm  (12..70)"))
{
}

void TConfiguracao_Cilindro::preparar(TLista_Componente &lista_, TComponente &componente_)
{
    lista = &lista_;
    componente = &componente_;
    primeira_exibicao = true;
}

void TConfiguracao_Cilindro::definir_nome(const QString &texto)
{
    nome = Filtrar_Texto_Arquivo(texto).toUpper().left(TAMANHO_NOME);
}

void TConfiguracao_Cilindro::definir_pistao(int valor, bool vazio)
{
    pistao.valor = valor;
    pistao.vazio = vazio;
    SEpistaoChange();
}

void TConfiguracao_Cilindro::SEpistaoChange()
{
    // Digits typed on the way to a diameter (the "8" of "80") are not a piston yet: following
    // them would clamp the rod for good before the number is complete.
    if (pistao.vazio || pistao.valor < pistao.minimo || pistao.valor > pistao.maximo)
        return;
    const int m = R(pistao.valor * RAZAO_HASTE);
    haste.maximo = m;
    texto_haste = QStringLiteral("mm  (12..%1)").arg(m);
    if (haste.valor > m)
        haste.valor = m;
}

void TConfiguracao_Cilindro::FormShow()
{
    // Back from the label editor the values being edited stay.
    if (!primeira_exibicao)
        return;
    const TCilindro &c = *componente->cilindro;
    legenda = c.tipo() == 1 ? QStringLiteral("Cilindro de Ação Simples") : QStringLiteral("Cilindro de Ação Dupla");
    // Setting a box brings the value into its limits.
    posicao.definir(c.posicao);
    posicao.valor = posicao.limitado();
    pistao.definir(c.pistao);
    pistao.valor = pistao.limitado();
    SEpistaoChange();
    haste.definir(c.haste);
    haste.valor = haste.limitado();
    primeira_exibicao = false;
    definir_nome(c.nome);
}

void TConfiguracao_Cilindro::ButOKClick()
{
    if (posicao.vazio)
        posicao.definir(0);
    if (pistao.vazio)
        pistao.definir(32);
    // The piston's final value sets the rod's limit, as a change of the piston box does.
    pistao.valor = pistao.limitado();
    SEpistaoChange();
    if (haste.vazio)
        haste.definir(HASTE_MINIMA);
    TCilindro &c = *componente->cilindro;
    componente->desselecionar();
    c.posicao = posicao.limitado();
    c.pistao = pistao.limitado();
    c.haste = haste.limitado();
    c.nome = Filtrar_Texto_Arquivo(nome);
}

} // namespace zefira
