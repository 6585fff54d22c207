// zefira-cli simular ARQUIVO [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]...
// Opens the circuit, starts the simulation as the toolbar does and prints the state after
// every step as one line of JSON.
#include "cli/comandos.h"

#include "files/arquivo_circuito.h"
#include "simulation/roteiro_simulacao.h"

namespace zefira::cli {

namespace {

const char *const USO_SIMULAR =
    "Uso: zefira-cli simular ARQUIVO [--passos N] [--clique K:ALVO:esq|dir]... [--soltar K]...\n"
    "  Imprime o estado inicial (passo 0) e o estado após cada passo, uma linha JSON por passo.\n"
    "  --passos N                número de passos (10 se omitido)\n"
    "  --clique K:ALVO:esq|dir   antes do passo K, clica no acionador esquerdo ou direito da\n"
    "                            válvula direcional ALVO: o seu código ou o seu nome (a primeira\n"
    "                            com esse nome, sem distinguir maiúsculas)\n"
    "  --soltar K                antes do passo K, solta o botão do mouse (sem Shift)\n"
    "  Saída: 0 sucesso; 1 arquivo inválido; 2 erro ao abrir; 4 uso incorreto.";

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
    TRoteiro_Simulacao roteiro;
    QStringList posicionais;
    QString mensagem;
    if (!roteiro.ler(args, posicionais, mensagem) || posicionais.size() != 1
        || posicionais[0].startsWith(QLatin1String("--")))
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
    saida(estado_json(estado, 0));
    for (int k = 1; k <= roteiro.passos; ++k) {
        roteiro.executar_passo(estado, k);
        saida(estado_json(estado, k));
    }
    return OK;
}

} // namespace zefira::cli
