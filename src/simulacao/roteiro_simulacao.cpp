#include "simulacao/roteiro_simulacao.h"

#include "simulacao/controle_simulacao.h"
#include "simulacao/simulacao.h"

namespace zefira {

namespace {

bool inteiro_nao_negativo(const QString &s, int &valor)
{
    bool ok = false;
    valor = s.toInt(&ok);
    return ok && valor >= 0;
}

bool ler_clique(const QString &s, TEvento_Simulacao &e)
{
    const QStringList partes = s.split(QLatin1Char(':'));
    if (partes.size() != 3 || !inteiro_nao_negativo(partes[0], e.passo) || e.passo < 1)
        return false;
    bool ok = false;
    e.codigo = partes[1].toInt(&ok);
    if (!ok) {
        e.codigo = -1;
        e.nome = partes[1].trimmed();
        if (e.nome.isEmpty())
            return false;
    }
    if (partes[2] == QLatin1String("esq"))
        e.dir = false;
    else if (partes[2] == QLatin1String("dir"))
        e.dir = true;
    else
        return false;
    return true;
}

} // namespace

bool TRoteiro_Simulacao::ler(const QStringList &args, QStringList &restantes, QString &erro)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool passos_ = a == QLatin1String("--passos");
        const bool clique = a == QLatin1String("--clique");
        const bool soltar = a == QLatin1String("--soltar");
        if (!passos_ && !clique && !soltar) {
            restantes << a;
            continue;
        }
        if (i + 1 >= args.size()) {
            erro = QStringLiteral("opção sem valor: ") + a;
            return false;
        }
        const QString valor = args[++i];
        presente_ = true;
        TEvento_Simulacao e;
        if (passos_) {
            if (!inteiro_nao_negativo(valor, passos)) {
                erro = QStringLiteral("número de passos inválido: ") + valor;
                return false;
            }
        } else if (clique) {
            if (!ler_clique(valor, e)) {
                erro = QStringLiteral("clique inválido: ") + valor;
                return false;
            }
            eventos.push_back(e);
        } else {
            e.soltar = true;
            if (!inteiro_nao_negativo(valor, e.passo) || e.passo < 1) {
                erro = QStringLiteral("passo inválido: ") + valor;
                return false;
            }
            eventos.push_back(e);
        }
    }
    return true;
}

QString TRoteiro_Simulacao::validar(const TEstado &estado)
{
    const TLista_Componente &lista = *estado.lista_componentes;
    for (TEvento_Simulacao &e : eventos) {
        if (e.soltar)
            continue;
        if (!e.nome.isEmpty()) {
            e.codigo = -1;
            QString nome;
            for (int i = 0; i < lista.numero_componentes() && e.codigo == -1; ++i)
                if (lista[i].familia().acionavel(lista[i], nome) && nome.trimmed().compare(e.nome, Qt::CaseInsensitive) == 0)
                    e.codigo = lista[i].codigo;
            if (e.codigo == -1)
                return QStringLiteral("nenhuma válvula direcional com o nome: %1").arg(e.nome);
            continue;
        }
        const TComponente *c = lista.procurar(e.codigo);
        QString nome;
        if (!c || !c->familia().acionavel(*c, nome))
            return QStringLiteral("não é uma válvula direcional: %1").arg(e.codigo);
    }
    return QString();
}

void TRoteiro_Simulacao::iniciar(TEstado &estado) const
{
    AtualizarAcionadores(estado);
    estado.acionadores_atualizados = true;
    iniciarClick(estado);
}

void TRoteiro_Simulacao::executar_passo(TEstado &estado, int k) const
{
    for (const TEvento_Simulacao &e : eventos) {
        if (e.passo != k)
            continue;
        if (e.soltar) {
            Soltar_Acionadores(estado, false);
        } else if (TComponente *c = estado.lista_componentes->procurar(e.codigo)) {
            Acionar_Lado(*c, e.dir);
        }
    }
    Atualizar_Sistema(estado);
}

} // namespace zefira
