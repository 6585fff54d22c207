#include "janelas/menus.h"

#include "edicao/paleta.h"
#include "modelo/modo.h"

#include <algorithm>
#include <utility>

namespace zefira {

namespace {

// "&Componentes": every family's palette entries by menu group and order, a separator between
// two groups; the electrical parts' entries in the submenu "Elétricos", after the others.
std::vector<TItemMenu> Itens_Componentes()
{
    std::vector<const TEntrada_Paleta *> entradas[2];
    for (const TPeca &p : Pecas())
        entradas[Peca_Eletrica(p)].push_back(p.entrada);
    for (auto &lista : entradas)
        std::sort(lista.begin(), lista.end(), [](const TEntrada_Paleta *a, const TEntrada_Paleta *b) {
            return std::pair(a->grupo_menu, a->ordem_menu) < std::pair(b->grupo_menu, b->ordem_menu);
        });
    // The separators keep the names they always had; a further group's share one.
    static const char *const SEPARADORES[] = {"N4", "N5", "N6"};
    static const char *const SEPARADORES_ELETRICOS[] = {"N_eletricos1", "N_eletricos2", "N_eletricos3",
                                                        "N_eletricos4", "N_eletricos5", "N_eletricos6"};
    std::vector<TItemMenu> itens;
    for (bool eletricos : {false, true}) {
        const std::vector<const TEntrada_Paleta *> &lista = entradas[eletricos];
        const char *menu = eletricos ? "eletricos" : "componentes";
        if (eletricos && !lista.empty()) {
            itens.push_back({"componentes", "N_eletricos", "-", "", -1, false});
            itens.push_back({"componentes", "eletricos", "E&létricos", "", -1, true});
        }
        size_t separadores = 0;
        for (size_t i = 0; i < lista.size(); ++i) {
            const TEntrada_Paleta &e = *lista[i];
            if (i > 0 && e.grupo_menu != lista[i - 1]->grupo_menu) {
                const char *nome = eletricos ? (separadores < std::size(SEPARADORES_ELETRICOS)
                                                    ? SEPARADORES_ELETRICOS[separadores]
                                                    : "N_eletricos")
                                             : separadores < std::size(SEPARADORES) ? SEPARADORES[separadores]
                                                                                    : "N_componentes";
                ++separadores;
                itens.push_back({menu, nome, "-", "", -1, false});
            }
            itens.push_back({menu, e.item_menu, e.legenda, e.atalho, -1, false});
        }
    }
    return itens;
}

} // namespace

const std::vector<TMenuPrincipal> &Menus_Principais()
{
    static const std::vector<TMenuPrincipal> menus = {
        {"arquivo_menu", "&Arquivo"}, {"editar", "&Editar"}, {"exibir", "E&xibir"}, {"componentes", "&Componentes"},
        {"simulacao", "&Simulação"},  {"demo", "&Demo"},     {"tutorial", "&Tutorial"},
        {"ajuda", "A&juda"},
    };
    return menus;
}

const std::vector<TItemMenu> &Itens_Menu()
{
    // The menus before and after "&Componentes", whose items the families' palette entries give.
    static const std::vector<TItemMenu> antes = {
        {"arquivo_menu", "novo", "&Novo", "Ctrl+O", 0, false},
        {"arquivo_menu", "abrir", "&Abrir", "Ctrl+A", 1, false},
        {"arquivo_menu", "salvar", "&Salvar", "Ctrl+B", 2, false},
        {"arquivo_menu", "salvarcomo", "Salvar &Como...", "", -1, false},
        {"arquivo_menu", "assistentesequencia", "Assis&tente de sequência...", "", -1, false},
        {"arquivo_menu", "avaliarturma", "Avaliar t&urma...", "", -1, false},
        {"arquivo_menu", "N1", "-", "", -1, false},
        {"arquivo_menu", "exportar", "&Exportar...", "", -1, false},
        {"arquivo_menu", "imprimir", "&Imprimir...", "", -1, false},
        {"arquivo_menu", "N8", "-", "", -1, false},
        {"arquivo_menu", "sair", "Sai&r", "Ctrl+R", 10, false},

        {"editar", "desfazer", "&Desfazer", "Ctrl+Z", 14, false},
        {"editar", "refazer", "&Refazer", "Ctrl+Y", 15, false},
        {"editar", "N_desfazer", "-", "", -1, false},
        {"editar", "cortar", "Cor&tar", "Ctrl+X", 3, false},
        {"editar", "copiar", "&Copiar", "Ctrl+C", 4, false},
        {"editar", "colar", "C&olar", "Ctrl+V", 5, false},
        {"editar", "deletar", "&Excluir", "Del", 6, false},
        {"editar", "Observaes1", "O&bservações", "", 11, false},
        {"editar", "selecionartudo", "&Selecionar Tudo", "Ctrl+T", -1, false},
        {"editar", "N2", "-", "", -1, false},
        {"editar", "Biblioteca1", "B&iblioteca", "", 12, false},
        {"editar", "propriedades", "&Propriedades...", "Ctrl+P", -1, false},

        // Zoom of the work area.
        {"exibir", "ampliar", "&Ampliar", "Ctrl++", -1, false},
        {"exibir", "reduzir", "&Reduzir", "Ctrl+-", -1, false},
        {"exibir", "tamanhonormal", "Tamanho &normal (100%)", "Ctrl+0", -1, false},
        {"exibir", "ajustarajanela", "A&justar à janela", "", -1, false},
        {"exibir", "N_forca", "-", "", -1, false},
        // The cylinders' label: the fuzzy estimate, or p × A when checked.
        {"exibir", "forcateorica", "Força &teórica (p × A)", "", -1, false},

    };
    static const std::vector<TItemMenu> depois = {
        {"simulacao", "parar", "&Parar", "F5", 7, false},
        {"simulacao", "iniciar", "&Iniciar", "F9", 8, false},
        {"simulacao", "pausar", "Pa&usar", "F8", 9, false},
        {"simulacao", "N3", "-", "", -1, false},
        {"simulacao", "unicopasso", "Ú&nico Passo", "F7", -1, false},
        {"simulacao", "N14", "-", "", -1, false},
        {"simulacao", "velocidade", "Velocidade", "", -1, true},
        {"velocidade", "velocidadelenta", "Lenta", "", -1, false},
        {"velocidade", "velocidadenormal", "Normal", "", -1, false},
        {"velocidade", "velocidaderapida", "Rápida", "", -1, false},
        {"simulacao", "diagramatrajetopasso", "Diagrama Trajeto-Passo", "", -1, false},
        {"simulacao", "verificarcircuito", "&Verificar circuito", "", -1, false},

        {"demo", "comandobasico1", "Comando Básico &1", "", -1, false},
        {"demo", "comandobasico2", "Comando Básico &2", "", -1, false},
        {"demo", "N11", "-", "", -1, false},
        {"demo", "funcaoE", "Função &E", "", -1, false},
        {"demo", "funcaoOU", "Função &OU", "", -1, false},
        {"demo", "N12", "-", "", -1, false},
        {"demo", "AAcclonico1", "&A+ A- ciclo único", "", -1, false},
        {"demo", "AAcclocontnuo1", "A+ A- c&iclo contínuo", "", -1, false},
        {"demo", "N10", "-", "", -1, false},
        {"demo", "intuitivo1", "&Intuitivo 1", "", -1, false},
        {"demo", "intuitivo2", "I&ntuitivo 2", "", -1, false},
        {"demo", "cascata", "&Cascata", "", -1, false},
        {"demo", "passoapasso", "&Passo a Passo", "", -1, false},
        {"demo", "N_eletro", "-Eletropneumática", "", -1, false},
        {"demo", "eletro_direto", "Comando &direto", "", -1, false},
        {"demo", "eletro_selo", "&Selo (auto-retenção)", "", -1, false},
        {"demo", "eletro_ciclo_unico", "Ciclo &único", "", -1, false},
        {"demo", "eletro_intuitivo", "In&tuitivo elétrico", "", -1, false},
        {"demo", "eletro_cascata", "Cascata e&létrica", "", -1, false},
        {"demo", "eletro_passo_a_passo", "Passo a passo el&étrico", "", -1, false},
        {"demo", "eletro_temporizado", "Te&mporizado", "", -1, false},
        {"demo", "eletro_contador", "Contado&r", "", -1, false},

        {"tutorial", "introducao", "Introdução", "", -1, false},
        {"tutorial", "equipamentos", "Equipamentos", "", -1, true},
        {"equipamentos", "compressores", "Compressores", "", -1, false},
        {"equipamentos", "equipdetratamento", "Equip. de Tratamento", "", -1, false},
        {"equipamentos", "atuadores", "Atuadores", "", -1, false},
        {"equipamentos", "valvulas", "Válvulas", "", -1, false},
        {"tutorial", "N13", "-", "", -1, false},
        {"tutorial", "comandosbasicos", "Comandos Básicos", "", -1, false},
        {"tutorial", "circuitoscombinacionais", "Circuitos Combinacionais", "", -1, false},
        {"tutorial", "circuitossequenciais", "Circuitos Sequenciais", "", -1, true},
        {"circuitossequenciais", "introducaocircseq", "Introdução", "", -1, false},
        {"circuitossequenciais", "circintuitivos", "Intuitivos", "", -1, false},
        {"circuitossequenciais", "circcascata", "Cascata", "", -1, false},
        {"circuitossequenciais", "circpassoapasso", "Passo a Passo", "", -1, false},
        {"tutorial", "eletropneumatica", "Eletropneumática", "", -1, false},
        {"tutorial", "seguranca", "Segurança", "", -1, false},
        {"tutorial", "N9", "-", "", -1, false},
        {"tutorial", "exercicios", "Exercícios", "", -1, false},
        // The answers and the rubric, kept a step away from the questions.
        {"tutorial", "professor", "Para o professor", "", -1, true},
        {"professor", "respostas", "Respostas dos Exercícios", "", -1, false},
        {"professor", "criterios", "Critérios de Avaliação", "", -1, false},
        {"tutorial", "biografias", "Bibliografia", "", -1, false},

        {"ajuda", "navegacao", "&Navegação", "", -1, false},
        {"ajuda", "edicao", "&Edição", "", -1, false},
        {"ajuda", "simulacaomenu", "Si&mulação", "", -1, false},
        {"ajuda", "N7", "-", "", -1, false},
        {"ajuda", "sobre", "&Sobre...", "", -1, false},
    };
    static const std::vector<TItemMenu> itens = [] {
        std::vector<TItemMenu> todos = antes;
        const std::vector<TItemMenu> componentes = Itens_Componentes();
        todos.insert(todos.end(), componentes.begin(), componentes.end());
        todos.insert(todos.end(), depois.begin(), depois.end());
        return todos;
    }();
    return itens;
}

const std::vector<TBotaoBarra> &Botoes_Barra()
{
    static const std::vector<TBotaoBarra> botoes = {
        {0, "TBnovo", "Novo (Ctrl+O)", 0, false},
        {23, "TBabrir", "Abrir (Ctrl+A)", 1, false},
        {46, "TBsalvar", "Salvar (Ctrl+B)", 2, false},
        {69, "", "", -1, false},
        {77, "TBcortar", "Cortar (Ctrl+X)", 3, false},
        {100, "TBcopiar", "Copiar (Ctrl+C)", 4, false},
        {123, "TBcolar", "Colar (Ctrl+V)", 5, false},
        {146, "TBexcluir", "Excluir (DEL)", 6, false},
        {169, "TBobservacoes", "Observações", 11, false},
        {192, "", "", -1, false},
        {200, "TBbiblioteca", "Biblioteca de Componentes", 12, true},
        {223, "", "", -1, false},
        {231, "TBparar", "Parar (F5)", 7, false},
        {254, "TBiniciar", "Iniciar (F9)", 8, true},
        {277, "TBpausar", "Pausar (F8)", 9, true},
        {300, "TBunicopasso", "Único Passo (F7)", 13, false},
        {323, "", "", -1, false},
        {331, "TBfechar", "Fechar (Ctrl+R)", 10, false},
        {354, "", "", -1, false},
        {362, "TBdesfazer", "Desfazer (Ctrl+Z)", 14, false},
        {385, "TBrefazer", "Refazer (Ctrl+Y)", 15, false},
    };
    return botoes;
}

const std::vector<TAtalhoAdicional> &Atalhos_Adicionais()
{
    // None of these collides with a shortcut of the menus or of the work area.
    static const std::vector<TAtalhoAdicional> atalhos = {
        {"novo", "Ctrl+N"},
        {"salvar", "Ctrl+S"},
        {"salvarcomo", "Ctrl+Shift+S"},
        {"sair", "Ctrl+Q"},
    };
    return atalhos;
}

} // namespace zefira
