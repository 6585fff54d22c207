// zefira-cli simular ARQUIVO [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]... [--forca teorica]
// Opens the circuit, starts the simulation as the toolbar does and prints the state after
// every step as one line of JSON. With --forca teorica each cylinder object also carries
// "forca_teorica" (p × A, see forca_teorica.h) right after "forca"; without it the output is
// exactly what it always was.
#include "cli/comandos.h"

#include "componentes/eletrico/familia_eletrica.h"
#include "documento/arquivo_circuito.h"
#include "simulacao/roteiro_simulacao.h"

#include <iterator>

namespace zefira::cli {

namespace {

const char *const USO_SIMULAR =
    "Uso: zefira-cli simular ARQUIVO [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]...\n"
    "                        [--forca teorica]\n"
    "  Imprime o estado inicial (passo 0) e o estado após cada passo, uma linha JSON por passo.\n"
    "  --passos N                número de passos (10 se omitido)\n"
    "  --clique K:ALVO:esq|dir   antes do passo K, clica no acionador esquerdo ou direito da\n"
    "                            válvula direcional ALVO: o seu código ou o seu nome (a primeira\n"
    "                            com esse nome, sem distinguir maiúsculas); ALVO também pode ser\n"
    "                            a tag de um botão ou chave seletora, que o clique aciona\n"
    "  --soltar K                antes do passo K, solta o botão do mouse (sem Shift)\n"
    "  --forca teorica           acrescenta a cada cilindro, logo após \"forca\" (a estimativa\n"
    "                            fuzzy), o campo \"forca_teorica\": p × A da câmara que recebeu\n"
    "                            ar no último movimento, em kgf (0 no retorno por mola)\n"
    "  Num circuito com componentes elétricos, cada linha termina com \"eletrico\":\n"
    "    {\"energizados\":[tags],\"reles\":[...],\"temporizadores\":[...],\"contadores\":[...]}\n"
    "  energizados: as tags das bobinas, solenoides e lâmpadas percorridas por corrente (e dos\n"
    "  contadores com a entrada de contagem energizada), na ordem da lista; reles:\n"
    "  {\"tag\",\"saida\"}; temporizadores e contadores: {\"tag\",\"saida\",\"contagem\"} (passos\n"
    "  no estado atual da bobina; pulsos contados); \"curto\": a mensagem de um curto-circuito.\n"
    "  Saída: 0 sucesso; 1 arquivo inválido; 2 erro ao abrir; 4 uso incorreto.";

// One line: the step, then the cylinders, valves, tubes and AND/OR valves in list order, each
// kind's object as its family writes it. A circuit with electrical parts adds "eletrico": the
// tags of the parts carrying current, then the relays', timers' and counters' objects.
QString estado_json(const TEstado &estado, int passo, bool forca_teorica)
{
    static const char *const LISTAS[] = {"cilindros", "valvulas", "fios", "e_ou"};
    static const char *const ELETRICAS[] = {"reles", "temporizadores", "contadores"};
    QStringList objetos[std::size(LISTAS)], eletricos[std::size(ELETRICAS)], energizados;
    bool eletrico = false;
    const TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        const TFamilia::TEstado_Simulado e = c.familia().estado_simulado(c, forca_teorica);
        for (size_t k = 0; e.lista && k < std::size(LISTAS); ++k)
            if (qstrcmp(e.lista, LISTAS[k]) == 0)
                objetos[k] << e.objeto;
        for (size_t k = 0; e.lista && k < std::size(ELETRICAS); ++k)
            if (qstrcmp(e.lista, ELETRICAS[k]) == 0)
                eletricos[k] << e.objeto;
        if (c.familia().eletrica()) {
            eletrico = true;
            if (c.eletrico->energizada[0])
                energizados << Texto_Json(c.eletrico->tag);
        }
    }
    QString linha = QStringLiteral("{\"passo\":%1").arg(passo);
    for (size_t k = 0; k < std::size(LISTAS); ++k)
        linha += QStringLiteral(",\"%1\":[%2]").arg(QLatin1String(LISTAS[k]), objetos[k].join(QLatin1Char(',')));
    if (eletrico) {
        linha += QStringLiteral(",\"eletrico\":{\"energizados\":[%1]").arg(energizados.join(QLatin1Char(',')));
        for (size_t k = 0; k < std::size(ELETRICAS); ++k)
            linha += QStringLiteral(",\"%1\":[%2]").arg(QLatin1String(ELETRICAS[k]), eletricos[k].join(QLatin1Char(',')));
        if (!estado.aviso_simulacao.isEmpty())
            linha += QStringLiteral(",\"curto\":") + Texto_Json(estado.aviso_simulacao);
        linha += QLatin1Char('}');
    }
    return linha + QLatin1Char('}');
}

int uso()
{
    erro(QString::fromUtf8(USO_SIMULAR));
    return ERRO_USO;
}

} // namespace

int simular(const QStringList &args)
{
    // --forca belongs to this command only; the rest are the shared simulation options.
    QStringList demais;
    bool forca_teorica = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] != QLatin1String("--forca")) {
            demais << args[i];
            continue;
        }
        if (i + 1 >= args.size() || args[i + 1] != QLatin1String("teorica")) {
            erro(i + 1 >= args.size() ? QStringLiteral("zefira-cli: opção sem valor: --forca")
                                      : QStringLiteral("zefira-cli: valor inválido para --forca: ") + args[i + 1]);
            return uso();
        }
        forca_teorica = true;
        ++i;
    }
    TRoteiro_Simulacao roteiro;
    QStringList posicionais;
    QString mensagem;
    if (!roteiro.ler(demais, posicionais, mensagem)) {
        erro(QStringLiteral("zefira-cli: ") + mensagem);
        return uso();
    }
    if (posicionais.size() != 1 || posicionais[0].startsWith(QLatin1String("--")))
        return uso();

    TEstado estado;
    const TResultadoLeitura leitura = Abrir_Arquivo(estado, posicionais[0]);
    if (leitura.status == StatusLeitura::ErroAbrir) {
        erro(QStringLiteral("Erro ao abrir arquivo!"));
        return ERRO_LEITURA;
    }
    if (leitura.status == StatusLeitura::Invalido) {
        erro(leitura.mensagem);
        return INVALIDO;
    }
    const QString invalido = roteiro.validar(estado);
    if (!invalido.isEmpty()) {
        erro(QStringLiteral("zefira-cli: ") + invalido);
        return ERRO_USO;
    }

    roteiro.iniciar(estado);
    saida(estado_json(estado, 0, forca_teorica));
    for (int k = 1; k <= roteiro.passos; ++k) {
        roteiro.executar_passo(estado, k);
        saida(estado_json(estado, k, forca_teorica));
    }
    return OK;
}

} // namespace zefira::cli
