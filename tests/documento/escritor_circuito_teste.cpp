// The circuit writer: the exact bytes of the shipped example, a full round trip of every kind, the
// safe replacement of the previous file and texts that would break the format. A large circuit is
// written and read back in Percurso.CadeiaMuitoLongaLidaDeArquivoNaoEstouraAPilha.
#include "documento/apoio_arquivos.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace zefira {
namespace {

class Escritor : public ::testing::Test {
protected:
    QString caminho(const char *nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    QTemporaryDir pasta;
    TEstado estado;
};

// The shipped example is the writer's output byte for byte (CRLF, Windows-1252, the field
// order of every record), but for the creation date.
TEST_F(Escritor, ExemploDistribuidoEhOQueOEscritorGrava)
{
    teste::montar_exemplo(estado);
    ASSERT_TRUE(Salvar_Arquivo(estado, caminho("e.zfr")));
    const QByteArray dados = teste::ler_bytes(caminho("e.zfr"));
    const QByteArray distribuido =
        teste::ler_bytes(QStringLiteral(ZEFIRA_FIXTURES "/../../resources/exemplos/exemplo.zfr"));
    ASSERT_TRUE(distribuido.startsWith("Arquivo ZEFIRA - Simulador de Cargas Pneum\xE1ticas\r\n"));
    EXPECT_EQ(teste::sem_data(distribuido), teste::sem_data(dados));
    EXPECT_TRUE(dados.split('\n').value(1).startsWith("Cria\xE7\xE3o: "));
}

// One component of every kind (and two AND/OR kinds), every stored field away from its
// default, accented texts, and run-time fields set that must not survive the file.
void montar_completo(TEstado &e)
{
    using teste::novo;
    auto v = novo(e, TIPO_VALVULA_DIRECIONAL, 10, 200, 300, 5);
    v->nome = QStringLiteral("Válvula ação");
    TValvula_Direcional &vd = *v->valvula_direcional;
    vd.posicao_inicial = 1;
    vd.posicao_atual = 3;
    vd.definir_parte(1, 12);
    vd.definir_parte(2, 13);
    vd.definir_parte(3, 14);
    vd.mola_dir = vd.mola_esq = vd.piloto_dir = vd.piloto_esq = true;
    vd.definir_acao_manual(true, 2);
    vd.definir_acao_manual(false, 4);
    vd.definir_acao_mecanica(true, 1);
    vd.definir_acao_mecanica(false, 3);
    vd.indice_manual = vd.indice_mecanico = true;
    vd.rotulo = QStringLiteral("fim ç");
    for (int p = 1; p <= 7; ++p)
        vd.ligar(p, 100 + p);
    vd.tomada_ar = true;
    vd.descricao = QStringLiteral("Avanço Ê");
    vd.mostrar_nome = false;
    vd.acionado_dir = vd.acionado_esq = vd.retido = vd.liberado = vd.redesenhar = true;
    v->selecionar();

    auto c = novo(e, TIPO_CILINDRO, 11, 400, 50, -1, 3);
    c->nome = QStringLiteral("Cilindro Ø");
    TCilindro &ci = *c->cilindro;
    ci.posicao = 55;
    ci.pistao = 63;
    ci.haste = 20;
    ci.ligar(true, 21);
    ci.ligar(false, 22);
    for (int i = 1; i <= 6; ++i)
        ci.definir_rotulo(i, QStringLiteral("a%1 é").arg(i), 10 * i);
    ci.nome = QStringLiteral("B ü");
    ci.posicao_partida = 7;
    ci.pressurizado_1 = ci.pressurizado_2 = ci.marcado = true;
    ci.forca = 33;
    c->selecionar();

    auto t = novo(e, TIPO_TOMADA_AR, 12, 5, 6);
    t->nome = QStringLiteral("Tomada Ú");
    t->tomada_ar->pressao = 8;
    t->tomada_ar->ligar(10, 1);
    t->tomada_ar->fuzzy = true;

    auto r = novo(e, TIPO_E_OU_ESC_REG, 13, 7, 8, -1, -1, EOU_REGULADORA);
    r->nome = QStringLiteral("Reguladora");
    TValvula_E_OU_ESC_REG &re = *r->valvula_e_ou_esc_reg;
    re.definir_estado(2);
    re.vazao = 1500;
    re.ligar(1, 11, 2);
    re.ligar(2, 31);
    re.fuzzy = re.entrada_dir = re.entrada_esq = true;
    r->selecionar();

    auto a = novo(e, TIPO_E_OU_ESC_REG, 14, 9, 10, -1, -1, EOU_E);
    a->valvula_e_ou_esc_reg->definir_estado(3);
    for (int p = 1; p <= 3; ++p)
        a->valvula_e_ou_esc_reg->ligar(p, 40 + p);

    auto f = novo(e, TIPO_FIO, 15, -1, -1);
    f->fio->ligar(true, 10, 2);
    f->fio->ligar(false, 16, 3);
    f->fio->adicionar_ponto(-3, 4);
    f->fio->adicionar_ponto(5, -6);
    f->fio->adicionar_ponto(7, 8);
    f->fio->pressao = 5;
    f->selecionar();

    auto j = novo(e, TIPO_JUMP, 16, 11, 12);
    for (int p = 1; p <= 4; ++p)
        j->jump->ligar(p, 50 + p);
    j->selecionar();

    for (int i = 0; i < e.lista().numero_componentes(); ++i)
        e.lista()[i].atualizar_geometria();
}

TEST_F(Escritor, IdaEVoltaDeTodosOsTipos)
{
    montar_completo(estado);
    estado.observacoes = QStringList({QStringLiteral("Nota com acentuação"), QString(), QStringLiteral("  fim")});
    ASSERT_TRUE(Salvar_Arquivo(estado, caminho("c.zfr")));
    const QByteArray bytes = teste::ler_bytes(caminho("c.zfr"));
    EXPECT_TRUE(bytes.contains("(V\xE1lvula a\xE7\xE3o)"));
    EXPECT_FALSE(bytes.contains("\xC3")); // no UTF-8 lead byte anywhere

    TEstado l;
    const TResultadoLeitura res = Abrir_Arquivo(l, caminho("c.zfr"));
    ASSERT_EQ(res.status, StatusLeitura::Ok) << res.mensagem.toStdString();
    ASSERT_EQ(l.lista().numero_componentes(), 7);
    EXPECT_EQ(l.observacoes, estado.observacoes);
    EXPECT_EQ(l.numero_selecionados, 5);
    EXPECT_EQ(l.lista().ultimo_codigo, 17);

    // Every stored field is compared by writing the circuit again (below): a field the reader
    // drops changes those bytes, and the exact bytes above place every field of a valve,
    // cylinder, wire and supply record; connections and ports of every kind come back in
    // componentes/familias_teste.cpp. What the file does not hold is checked here: fields
    // derived on reading, and run-time fields, which must not survive.
    const TComponente &v = l.lista()[0];
    const TValvula_Direcional &vd = *v.valvula_direcional;
    EXPECT_EQ(vd.posicao_desenhada, 3);
    EXPECT_FALSE(vd.acionado_dir || vd.acionado_esq || vd.retido || vd.liberado || vd.redesenhar);
    EXPECT_TRUE(vd.parte(1)->selecionado());
    EXPECT_EQ(vd.figura_manual_dir, l.imagens.copiar(QStringLiteral("manual_botao_trava_dir_selec")));

    const TCilindro &ci = *l.lista()[1].cilindro;
    EXPECT_EQ(ci.posicao_partida, 0);
    EXPECT_FALSE(ci.pressurizado_1 || ci.pressurizado_2 || ci.marcado);
    EXPECT_EQ(ci.forca, 0);
    EXPECT_EQ(ci.figura_corpo.size(), QSize(86, 28));
    EXPECT_EQ(ci.figura_cabo.width(), 166); // the double-rod pictures follow the stored type
    EXPECT_FALSE(l.lista()[2].tomada_ar->fuzzy);
    EXPECT_FALSE(l.lista()[2].selecionado());

    const TValvula_E_OU_ESC_REG &re = *l.lista()[3].valvula_e_ou_esc_reg;
    EXPECT_EQ(re.pino, 2);
    EXPECT_FALSE(re.fuzzy || re.entrada_dir || re.entrada_esq);

    EXPECT_EQ(l.lista()[4].nome, QStringLiteral("Válvula E OU ESC REG"));

    EXPECT_EQ(l.lista()[5].fio->pressao, 0);

    // Written again, the circuit gives the same bytes.
    ASSERT_TRUE(Salvar_Arquivo(l, caminho("d.zfr")));
    EXPECT_EQ(teste::sem_data(teste::ler_bytes(caminho("d.zfr"))), teste::sem_data(bytes));
}

TEST_F(Escritor, TextosQueQuebrariamOFormatoSaoTrocados)
{
    auto v = teste::novo(estado, TIPO_VALVULA_DIRECIONAL, 1, 0, 0, 2);
    v->nome = QStringLiteral("a) b");
    v->valvula_direcional->rotulo = QStringLiteral("x)\r\ny");
    v->valvula_direcional->descricao = QStringLiteral("linha1\nlinha2)");
    auto c = teste::novo(estado, TIPO_CILINDRO, 2, 0, 0, -1, 1);
    c->cilindro->definir_rotulo(1, QStringLiteral("(r)"), 40);
    c->cilindro->nome = QStringLiteral("€ e 日本");
    estado.observacoes = QStringList({QStringLiteral("um\r\ndois\ntres\rquatro"), QStringLiteral("cinco")});
    ASSERT_TRUE(Salvar_Arquivo(estado, caminho("t.zfr")));

    TEstado l;
    const TResultadoLeitura r = Abrir_Arquivo(l, caminho("t.zfr"));
    ASSERT_EQ(r.status, StatusLeitura::Ok) << r.mensagem.toStdString();
    const TValvula_Direcional &vd = *l.lista()[0].valvula_direcional;
    EXPECT_EQ(l.lista()[0].nome, QStringLiteral("a] b"));
    EXPECT_EQ(vd.rotulo, QStringLiteral("x]  y"));
    EXPECT_EQ(vd.descricao, QStringLiteral("linha1 linha2]"));
    EXPECT_EQ(vd.mostrar_nome, true);
    EXPECT_EQ(l.lista()[0].esquerda, 0);
    EXPECT_EQ(l.lista()[1].cilindro->rotulo(1).texto, QStringLiteral("(r]"));
    EXPECT_EQ(l.lista()[1].cilindro->rotulo(1).posicao, 40);
    EXPECT_EQ(l.lista()[1].cilindro->nome, QStringLiteral("€ e ??"));
    // A note with line breaks becomes one note line per piece.
    EXPECT_EQ(l.observacoes, QStringList({QStringLiteral("um"), QStringLiteral("dois"), QStringLiteral("tres"),
                                          QStringLiteral("quatro"), QStringLiteral("cinco")}));
}

// Which targets the safe writer refuses, and that it leaves nothing behind, is pinned by
// GravacaoSegura; here a refused save leaves the document modified and the target as it was,
// and a save that succeeds clears the flag.
TEST_F(Escritor, SoSalvarComSucessoLimpaModificado)
{
    teste::montar_exemplo(estado);
    estado.modificado = true;
    ASSERT_TRUE(QDir(pasta.path()).mkpath(QStringLiteral("pasta/dentro")));
    EXPECT_FALSE(Salvar_Arquivo(estado, caminho("pasta")));
    EXPECT_TRUE(QFileInfo(caminho("pasta/dentro")).isDir());
    EXPECT_TRUE(estado.modificado);
    ASSERT_TRUE(Salvar_Arquivo(estado, caminho("e.zfr")));
    EXPECT_FALSE(estado.modificado);
}

} // namespace
} // namespace zefira
