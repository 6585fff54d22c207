#include "simbolos/imagens.h"

#include "simbolos/desenho_simbolos.h"

#include <QPainter>

namespace zefira {

namespace {

const TImagens::Entrada TABELA[] = {
    {"nada", 25, 25},
    {"fig_2va", 25, 25}, {"fig_2vf", 25, 25},
    {"fig_3cf", 25, 25}, {"fig_3va", 25, 25}, {"fig_3vf", 25, 25},
    {"fig_4can", 25, 25}, {"fig_4cap", 25, 25}, {"fig_4cf", 25, 25},
    {"fig_4cfb", 25, 25}, {"fig_4d", 25, 25}, {"fig_4e", 25, 25},
    {"fig_5can", 25, 25}, {"fig_5cap", 25, 25}, {"fig_5cf", 25, 25},
    {"fig_5d", 25, 25}, {"fig_5e", 25, 25},
    {"mola_dir", 10, 13}, {"mola_esq", 10, 13},
    {"piloto_dir", 20, 7}, {"piloto_esq", 20, 7},
    {"manual_botao_dir", 21, 15}, {"manual_botao_esq", 21, 15},
    {"manual_botao_trava_dir", 21, 15}, {"manual_botao_trava_esq", 21, 15},
    {"manual_alavanca_dir", 26, 21}, {"manual_alavanca_esq", 26, 21},
    {"manual_alavanca_trava_dir", 26, 21}, {"manual_alavanca_trava_esq", 26, 21},
    {"manual_pedal_dir", 22, 19}, {"manual_pedal_esq", 22, 19},
    {"mecanica_pino_dir", 19, 7}, {"mecanica_pino_esq", 19, 7},
    {"mecanica_rolete_dir", 23, 12}, {"mecanica_rolete_esq", 23, 12},
    {"mecanica_gatilho_dir", 24, 20}, {"mecanica_gatilho_esq", 24, 20},
    {"solenoide_dir", 13, 15}, {"solenoide_esq", 13, 15},
    {"solenoide_dir_on", 13, 15}, {"solenoide_esq_on", 13, 15},
    {"cilindro_se_dehs", 86, 28}, {"cilindro_dehd", 86, 28},
    {"cilindro_se_dehs_cabo", 79, 10}, {"cilindro_dehd_cabo", 166, 10},
    {"cilindro_dentro", 10, 26}, {"cilindro_fora", 9, 20},
    {"valvula_e", 51, 29}, {"valvula_e_2", 51, 29}, {"valvula_e_3", 51, 29},
    {"valvula_ou", 51, 29}, {"valvula_ou_2", 51, 29},
    {"valvula_escape", 51, 29}, {"valvula_escape_2", 51, 29},
    {"valvula_reguladora", 33, 39}, {"valvula_reguladora_2", 33, 39},
    {"tomada_de_ar", 13, 19},
    {"jump", 9, 9},
    {"borne_positivo", 21, 15}, {"borne_negativo", 21, 15},
    {"botao_na", 41, 41}, {"botao_na_on", 41, 41}, {"botao_nf", 41, 41}, {"botao_nf_on", 41, 41},
    {"botao_trava_na", 41, 41}, {"botao_trava_na_on", 41, 41}, {"botao_trava_nf", 41, 41}, {"botao_trava_nf_on", 41, 41},
    {"emergencia_na", 41, 41}, {"emergencia_na_on", 41, 41}, {"emergencia_nf", 41, 41}, {"emergencia_nf_on", 41, 41},
    {"seletor_na", 41, 41}, {"seletor_na_on", 41, 41}, {"seletor_nf", 41, 41}, {"seletor_nf_on", 41, 41},
    {"fim_de_curso_na", 41, 41}, {"fim_de_curso_na_on", 41, 41}, {"fim_de_curso_nf", 41, 41}, {"fim_de_curso_nf_on", 41, 41},
    {"sensor_indutivo_na", 41, 41}, {"sensor_indutivo_na_on", 41, 41}, {"sensor_indutivo_nf", 41, 41}, {"sensor_indutivo_nf_on", 41, 41},
    {"sensor_capacitivo_na", 41, 41}, {"sensor_capacitivo_na_on", 41, 41}, {"sensor_capacitivo_nf", 41, 41}, {"sensor_capacitivo_nf_on", 41, 41},
    {"sensor_optico_na", 41, 41}, {"sensor_optico_na_on", 41, 41}, {"sensor_optico_nf", 41, 41}, {"sensor_optico_nf_on", 41, 41},
    {"sensor_magnetico_na", 41, 41}, {"sensor_magnetico_na_on", 41, 41}, {"sensor_magnetico_nf", 41, 41}, {"sensor_magnetico_nf_on", 41, 41},
    {"pressostato_na", 41, 41}, {"pressostato_na_on", 41, 41}, {"pressostato_nf", 41, 41}, {"pressostato_nf_on", 41, 41},
    {"contato_na", 31, 41}, {"contato_na_on", 31, 41}, {"contato_nf", 31, 41}, {"contato_nf_on", 31, 41},
    {"contato_comutador", 41, 41}, {"contato_comutador_on", 41, 41},
    {"bobina", 31, 41}, {"bobina_on", 31, 41},
    {"bobina_retardo_ligar", 31, 41}, {"bobina_retardo_ligar_on", 31, 41},
    {"bobina_retardo_desligar", 31, 41}, {"bobina_retardo_desligar_on", 31, 41},
    {"solenoide", 31, 41}, {"solenoide_on", 31, 41},
    {"lampada", 31, 41}, {"lampada_on", 31, 41},
    {"contador", 51, 41}, {"contador_on", 51, 41},
    {"derivacao", 7, 7},
};

const QString SUFIXO_SELEC = QStringLiteral("_selec");

// The selected variant: the same drawing with every black pixel pure red.
QImage avermelhar(const QImage &original)
{
    QImage vermelha = original.copy();
    const QRgb preto = qRgb(0, 0, 0);
    const QRgb vermelho = qRgb(255, 0, 0);
    for (int y = 0; y < vermelha.height(); ++y) {
        auto *linha = reinterpret_cast<QRgb *>(vermelha.scanLine(y));
        for (int x = 0; x < vermelha.width(); ++x)
            if ((linha[x] & 0xFFFFFF) == (preto & 0xFFFFFF))
                linha[x] = vermelho;
    }
    return vermelha;
}

} // namespace

const TImagens::Entrada *TImagens::tabela(int &quantidade)
{
    quantidade = int(sizeof(TABELA) / sizeof(TABELA[0]));
    return TABELA;
}

TImagens::TImagens()
{
    for (const Entrada &e : TABELA) {
        QImage figura(e.largura, e.altura, QImage::Format_RGB32);
        figura.fill(Qt::white);
        const QString nome = QString::fromLatin1(e.nome);
        {
            QPainter p(&figura);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setRenderHint(QPainter::TextAntialiasing, false);
            p.setPen(QPen(Qt::black, 1));
            desenhar_simbolo(nome, p, e.largura, e.altura);
        }
        // Anything not pure white is made pure black, so the picture stays two-coloured
        // whatever the drawing code did.
        for (int y = 0; y < figura.height(); ++y) {
            auto *linha = reinterpret_cast<QRgb *>(figura.scanLine(y));
            for (int x = 0; x < figura.width(); ++x)
                linha[x] = (linha[x] & 0xFFFFFF) == 0xFFFFFF ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        }
        figuras.insert(nome, figura);
        // `nada` stands for no picture in both states; it has no red variant.
        if (nome != QLatin1String("nada"))
            figuras.insert(nome + SUFIXO_SELEC, avermelhar(figura));
    }
    for (auto it = figuras.cbegin(); it != figuras.cend(); ++it)
        nomes.insert(it.value().cacheKey(), it.key());
}

QString TImagens::nome_de(const QImage &figura) const
{
    return figura.isNull() ? QString() : nomes.value(figura.cacheKey());
}

QImage TImagens::copiar(const QString &nome) const { return figuras.value(nome); }

bool TImagens::copiar(const QString &nome, QImage &destino) const
{
    auto it = figuras.constFind(nome);
    if (it == figuras.constEnd())
        return false;
    destino = *it;
    return true;
}

QSize TImagens::tamanho(const QString &nome) const
{
    auto it = figuras.constFind(nome);
    return it == figuras.constEnd() ? QSize() : it->size();
}

bool TImagens::existe(const QString &nome) const { return figuras.contains(nome); }

} // namespace zefira
