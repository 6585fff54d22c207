#include "demonstracoes/tabelas_demonstracoes.h"

#include "modelo/constantes.h"

#include <QRegularExpression>
#include <QStringList>

namespace zefira {

namespace {

const char *const MANUAIS[] = {"", "Botão", "Botão com Trava", "Alavanca", "Alavanca com Trava", "Pedal"};
const char *const MECANICAS[] = {"", "Pino", "Rolete", "Gatilho"};

int codigo_acionador(const char *const *nomes, int quantidade, const QString &nome)
{
    for (int i = 1; i < quantidade; ++i)
        if (nome == QString::fromUtf8(nomes[i]))
            return i;
    return 0;
}

struct Tipo {
    const char *nome;
    int tipo, numero_vias, tipo_e_ou;
};

const Tipo TIPOS[] = {
    {"cylinder", TIPO_CILINDRO, -1, -1},        {"valve, 3 ways", TIPO_VALVULA_DIRECIONAL, 3, -1},
    {"valve, 5 ways", TIPO_VALVULA_DIRECIONAL, 5, -1}, {"air supply", TIPO_TOMADA_AR, -1, -1},
    {"AND valve", TIPO_E_OU_ESC_REG, -1, EOU_E}, {"OR valve", TIPO_E_OU_ESC_REG, -1, EOU_OU},
    {"jump", TIPO_JUMP, -1, -1},                {"wire", TIPO_FIO, -1, -1},
};

bool ler_tipo(const QString &nome, TEntradaDemo &e)
{
    for (const Tipo &t : TIPOS)
        if (nome == QLatin1String(t.nome)) {
            e.tipo = t.tipo;
            e.numero_vias = t.numero_vias;
            e.tipo_e_ou = t.tipo_e_ou;
            return true;
        }
    return false;
}

// "c.p" -> component code and port number.
bool ler_ponta(const QString &texto, int &codigo, int &porta)
{
    const QStringList partes = texto.split('.');
    bool ok1 = false, ok2 = false;
    if (partes.size() == 2) {
        codigo = partes[0].toInt(&ok1);
        porta = partes[1].toInt(&ok2);
    }
    return ok1 && ok2;
}

// "3.2 to 2.1: (90, 168) (90, 87) ..."
bool ler_fio(const QString &texto, TEntradaDemo &e)
{
    static const QRegularExpression forma(R"(^(\d+\.\d+) to (\d+\.\d+): (.*)$)");
    const auto m = forma.match(texto);
    if (!m.hasMatch() || !ler_ponta(m.captured(1), e.origem, e.pino_origem)
        || !ler_ponta(m.captured(2), e.destino, e.pino_destino))
        return false;
    static const QRegularExpression ponto(R"(\((-?\d+), (-?\d+)\))");
    for (auto it = ponto.globalMatch(m.captured(3)); it.hasNext();) {
        const auto p = it.next();
        e.pontos.emplace_back(p.captured(1).toInt(), p.captured(2).toInt());
    }
    return e.pontos.size() >= 2;
}

bool ler_ajuste(const QString &ajuste, TEntradaDemo &e)
{
    static const QRegularExpression lado(R"re(^(left|right) (pilot|spring|none|"([^"]*)")$)re");
    static const QRegularExpression texto(R"re(^(name|label) "([^"]*)"$)re");
    static const QRegularExpression posicoes(R"(^initial (\d), current (\d), drawn (\d)$)");
    static const QRegularExpression em(R"(^on (\d+)\.(\d+)$)");
    static const QRegularExpression rotulo(R"re((\d) = "([^"]*)" at (\d+))re");

    if (ajuste == "single acting") {
        e.tipo_cilindro = 1;
    } else if (ajuste == "double acting, single rod") {
        e.tipo_cilindro = 2;
    } else if (ajuste == "tomada_ar") {
        e.tomada_ar = true;
    } else if (auto m = lado.match(ajuste); m.hasMatch()) {
        const int s = m.captured(1) == "right" ? 1 : 0;
        if (m.captured(2) == "pilot")
            e.piloto[s] = true;
        else if (m.captured(2) == "spring")
            e.mola[s] = true;
        else if (m.captured(2) != "none") {
            e.manual[s] = codigo_acionador(MANUAIS, 6, m.captured(3));
            e.mecanica[s] = codigo_acionador(MECANICAS, 4, m.captured(3));
            if (e.manual[s] == 0 && e.mecanica[s] == 0)
                return false;
        }
    } else if (auto m = texto.match(ajuste); m.hasMatch()) {
        (m.captured(1) == "name" ? e.nome : e.rotulo) = m.captured(2);
    } else if (auto m = posicoes.match(ajuste); m.hasMatch()) {
        e.inicial = m.captured(1).toInt();
        e.atual = m.captured(2).toInt();
        e.desenhada = m.captured(3).toInt();
    } else if (auto m = em.match(ajuste); m.hasMatch()) {
        e.valvula = m.captured(1).toInt();
        e.pino = m.captured(2).toInt();
    } else if (ajuste.startsWith("labels ")) {
        int lidos = 0;
        for (auto it = rotulo.globalMatch(ajuste); it.hasNext(); ++lidos) {
            const auto r = it.next();
            const int i = r.captured(1).toInt();
            if (i < 1 || i > 6)
                return false;
            e.rotulos[i - 1] = TRotulo{r.captured(2), r.captured(3).toInt()};
        }
        return lidos > 0;
    } else {
        return false;
    }
    return true;
}

bool ler_linha(const QString &linha, TEntradaDemo &e)
{
    QStringList celulas = linha.split('|');
    // "| a | b | c | d |" splits into "", a, b, c, d, "".
    if (celulas.size() != 6)
        return false;
    for (QString &c : celulas)
        c = c.trimmed();
    bool ok = false;
    e.codigo = celulas[1].toInt(&ok);
    if (!ok || !ler_tipo(celulas[2], e))
        return false;
    if (e.tipo == TIPO_FIO)
        return ler_fio(celulas[4], e);
    const QStringList posicao = celulas[3].split(", ");
    bool okx = false, oky = false;
    if (posicao.size() != 2)
        return false;
    e.esquerda = posicao[0].toInt(&okx);
    e.topo = posicao[1].toInt(&oky);
    if (!okx || !oky)
        return false;
    if (celulas[4].isEmpty())
        return true;
    for (const QString &ajuste : celulas[4].split("; "))
        if (!ler_ajuste(ajuste, e))
            return false;
    return true;
}

} // namespace

bool Ler_Tabela_Demonstracao(const char *linhas, std::vector<TEntradaDemo> &entradas, QString *erro)
{
    entradas.clear();
    for (const QString &linha : QString::fromUtf8(linhas).split('\n', Qt::SkipEmptyParts)) {
        TEntradaDemo e;
        if (!ler_linha(linha, e)) {
            if (erro)
                *erro = linha;
            return false;
        }
        entradas.push_back(std::move(e));
    }
    return true;
}

} // namespace zefira
