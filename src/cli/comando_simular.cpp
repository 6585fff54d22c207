// zefira-cli simular ARQUIVO [--passos N] [--clique K:CODIGO:esq|dir]... [--soltar K]...
// Opens the circuit, starts the simulation as the toolbar does and prints the state after
// every step as one line of JSON.
#include "cli/comandos.h"

#include "files/arquivo_circuito.h"
#include "simulation/controle_simulacao.h"
#include "simulation/simulacao.h"

#include <optional>
#include <vector>

namespace zefira::cli {

namespace {

const char *const USO_SIMULAR =
    "Uso: zefira-cli simular ARQUIVO [--passos N] [--clique K:CODIGO:esq|dir]... [--soltar K]...\n"
    "  Imprime o estado inicial (passo 0) e o estado após cada passo, uma linha JSON por passo.\n"
    "  --passos N                número de passos (10 se omitido)\n"
    "  --clique K:CODIGO:esq|dir antes do passo K, clica no acionador esquerdo ou direito da\n"
    "                            válvula direcional CODIGO\n"
    "  --soltar K                antes do passo K, solta o botão do mouse (sem Shift)\n"
    "  Saída: 0 sucesso; 1 arquivo inválido; 2 erro ao abrir; 4 uso incorreto.";

struct Evento {
    int passo = 0;
    bool soltar = false; // a release; otherwise a press on one side of valve `codigo`
    int codigo = -1;
    bool dir = false;
};

std::optional<int> inteiro(const QString &texto, int minimo)
{
    bool ok = false;
    const int v = texto.toInt(&ok);
    if (!ok || v < minimo)
        return std::nullopt;
    return v;
}

QString booleano(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

QString estado_json(const TEstado &estado, int passo)
{
    QStringList cilindros, valvulas, fios, e_ou;
    const TLista_Componente &lista = *estado.lista_componentes;
    for (int i = 0; i < lista.numero_componentes(); ++i) {
        const TComponente &c = lista[i];
        switch (c.tipo) {
        case TIPO_CILINDRO:
            cilindros << QStringLiteral("{\"codigo\":%1,\"posicao\":%2,\"forca\":%3}")
                             .arg(c.codigo)
                             .arg(c.cilindro->posicao)
                             .arg(c.cilindro->forca);
            break;
        case TIPO_VALVULA_DIRECIONAL:
            valvulas << QStringLiteral("{\"codigo\":%1,\"posicao_atual\":%2,\"acionado_esq\":%3,\"acionado_dir\":%4}")
                            .arg(c.codigo)
                            .arg(c.valvula_direcional->posicao_atual)
                            .arg(booleano(c.valvula_direcional->acionado_esq), booleano(c.valvula_direcional->acionado_dir));
            break;
        case TIPO_FIO:
            fios << QStringLiteral("{\"codigo\":%1,\"pressao\":%2}").arg(c.codigo).arg(c.fio->pressao);
            break;
        case TIPO_E_OU_ESC_REG:
            e_ou << QStringLiteral("{\"codigo\":%1,\"estado\":%2}").arg(c.codigo).arg(c.valvula_e_ou_esc_reg->estado());
            break;
        default: break;
        }
    }
    const QChar v(',');
    return QStringLiteral("{\"passo\":%1,\"cilindros\":[%2],\"valvulas\":[%3],\"fios\":[%4],\"e_ou\":[%5]}")
        .arg(passo)
        .arg(cilindros.join(v), valvulas.join(v), fios.join(v), e_ou.join(v));
}

int uso()
{
    erro(QString::fromUtf8(USO_SIMULAR));
    return ERRO_USO;
}

} // namespace

int simular(const QStringList &args)
{
    QString arquivo;
    int passos = 10;
    std::vector<Evento> eventos;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool tem_valor = i + 1 < args.size();
        if (a == QLatin1String("--passos")) {
            const auto n = tem_valor ? inteiro(args[++i], 0) : std::nullopt;
            if (!n)
                return uso();
            passos = *n;
        } else if (a == QLatin1String("--clique")) {
            const QStringList partes = tem_valor ? args[++i].split(QLatin1Char(':')) : QStringList();
            if (partes.size() != 3)
                return uso();
            const auto k = inteiro(partes[0], 1);
            bool ok = false;
            const int codigo = partes[1].toInt(&ok);
            const bool esq = partes[2] == QLatin1String("esq"), dir = partes[2] == QLatin1String("dir");
            if (!k || !ok || (!esq && !dir))
                return uso();
            eventos.push_back({*k, false, codigo, dir});
        } else if (a == QLatin1String("--soltar")) {
            const auto k = tem_valor ? inteiro(args[++i], 1) : std::nullopt;
            if (!k)
                return uso();
            eventos.push_back({*k, true, -1, false});
        } else if (a.startsWith(QLatin1String("--")) || !arquivo.isEmpty()) {
            return uso();
        } else {
            arquivo = a;
        }
    }
    if (arquivo.isEmpty())
        return uso();

    TEstado estado;
    const TResultadoLeitura leitura = Abrir_Arquivo(estado, arquivo);
    if (leitura.status == StatusLeitura::ErroAbrir) {
        erro(QStringLiteral("Erro ao abrir arquivo!"));
        return ERRO_LEITURA;
    }
    if (leitura.status == StatusLeitura::Invalido) {
        erro(leitura.mensagem);
        return INVALIDO;
    }
    for (const Evento &e : eventos) {
        const TComponente *c = e.soltar ? nullptr : estado.lista().procurar(e.codigo);
        if (!e.soltar && (!c || c->tipo != TIPO_VALVULA_DIRECIONAL)) {
            erro(QStringLiteral("zefira-cli: o código %1 não é de uma válvula direcional").arg(e.codigo));
            return ERRO_USO;
        }
    }

    // As the program does: the first timer tick after opening brings the valves to rest, then
    // the start button is pressed.
    AtualizarAcionadores(estado);
    estado.acionadores_atualizados = true;
    estado.controles.TBiniciar_baixo = true;
    TBiniciarClick(estado);

    saida(estado_json(estado, 0));
    for (int k = 1; k <= passos; ++k) {
        for (const Evento &e : eventos) {
            if (e.passo != k)
                continue;
            if (e.soltar)
                Soltar_Acionadores(estado, false);
            else if (estado.modo == 15)
                Acionar_Lado(*estado.lista().procurar(e.codigo)->valvula_direcional, e.dir);
        }
        Atualizar_Sistema(estado);
        saida(estado_json(estado, k));
    }
    return OK;
}

} // namespace zefira::cli
