#include "documento/documentos_ajuda.h"

#include "documento/pasta_dados.h"

namespace zefira {

const std::vector<TDocumentoAjuda> &Documentos_Ajuda()
{
    static const std::vector<TDocumentoAjuda> documentos = {
        {"introducao", "Introdução", "Ajuda/Introdução.hlp"},
        {"compressores", "Compressores", "Ajuda/Compressor.hlp"},
        {"equipdetratamento", "Equip. de Tratamento", "Ajuda/Equipamentos de Tratamento.hlp"},
        {"atuadores", "Atuadores", "Ajuda/Atuadores.hlp"},
        {"valvulas", "Válvulas", "Ajuda/Valvulas.hlp"},
        {"comandosbasicos", "Comandos Básicos", "Ajuda/Comandos Basicos.hlp"},
        {"circuitoscombinacionais", "Circuitos Combinacionais", "Ajuda/Circuitos Combinacionais.hlp"},
        {"introducaocircseq", "Introdução", "Ajuda/Circuitos Sequenciais Introduçao.hlp"},
        {"circintuitivos", "Intuitivos", "Ajuda/Circuitos Sequenciais Intuitivos.hlp"},
        {"circcascata", "Cascata", "Ajuda/Circuitos Sequenciais Cascata.hlp"},
        {"circpassoapasso", "Passo a Passo", "Ajuda/Circuitos Sequenciais Passo a Passo.hlp"},
        {"eletropneumatica", "Eletropneumática", "Ajuda/Eletropneumatica.hlp"},
        {"seguranca", "Segurança", "Ajuda/Seguranca.hlp"},
        {"exercicios", "Exercícios", "Ajuda/Exercicios.hlp"},
        {"respostas", "Respostas dos Exercícios", "Ajuda/Respostas dos Exercicios.hlp"},
        {"criterios", "Critérios de Avaliação", "Ajuda/Criterios de Avaliacao.hlp"},
        {"biografias", "Bibliografia", "Ajuda/Bibliografia.hlp"},
        {"navegacao", "&Navegação", "Ajuda/Navegacao.hlp"},
        {"edicao", "&Edição", "Ajuda/Edicao.hlp"},
        {"simulacaomenu", "Si&mulação", "Ajuda/Simulacao.hlp"},
    };
    return documentos;
}

QString Caminho_Ajuda(const QString &pasta_programa, const QString &item)
{
    for (const TDocumentoAjuda &d : Documentos_Ajuda())
        if (item == QLatin1String(d.item))
            return Caminho_Dados(pasta_programa, QString::fromUtf8(d.caminho));
    return QString();
}

} // namespace zefira
