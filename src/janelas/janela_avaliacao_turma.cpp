#include "janelas/janela_avaliacao_turma.h"

#include "documento/arquivo_circuito.h"
#include "modelo/interface_usuario.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <iterator>
#include <utility>

namespace zefira {

namespace {

enum Coluna { ARQUIVO, RESULTADO, ESPERADO, OBTIDO, MENSAGEM, COLUNAS };

// The wait cursor while the class is graded, restored on every way out.
struct CursorEspera {
    CursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorEspera() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TJanelaAvaliacaoTurma::TJanelaAvaliacaoTurma(TInterfaceUsuario &ui, QWidget *pai)
    : QDialog(pai, Qt::Window), ui_(ui)
{
    setObjectName(QStringLiteral("TJanelaAvaliacaoTurma"));
    setWindowTitle(QStringLiteral("Avaliar turma"));
    setModal(false);

    pasta = new QLineEdit(this);
    pasta->setPlaceholderText(QStringLiteral("a pasta com os arquivos .zfr dos alunos"));
    procurar = new QPushButton(QStringLiteral("Pr&ocurar..."), this);
    sequencia = new QLineEdit(this);
    sequencia->setPlaceholderText(QStringLiteral("por exemplo: A+ B+ B- A-"));
    partida = new QLineEdit(QStringLiteral("partida"), this);
    partida->setToolTip(QStringLiteral("O nome da válvula de partida ou, num circuito eletropneumático, "
                                       "a identificação do botão (S1)"));
    ciclos = new QSpinBox(this);
    ciclos->setRange(0, 99);
    ciclos->setValue(1);
    ciclos->setSpecialValueText(QStringLiteral("contínuo"));
    ciclos->setToolTip(QStringLiteral("Quantas vezes a sequência deve acontecer antes de tudo parar; "
                                      "contínuo: a sequência repetida inteira, sem parar"));
    avaliar_botao = new QPushButton(QStringLiteral("&Avaliar"), this);
    avaliar_botao->setDefault(true);

    resumo = new QLabel(this);
    resumo->setWordWrap(true);
    tabela = new QTableWidget(0, COLUNAS, this);
    tabela->setHorizontalHeaderLabels({QStringLiteral("Arquivo"), QStringLiteral("Resultado"),
                                       QStringLiteral("Esperado"), QStringLiteral("Obtido"),
                                       QStringLiteral("Mensagem")});
    tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela->setSelectionMode(QAbstractItemView::SingleSelection);
    tabela->verticalHeader()->hide();
    tabela->verticalHeader()->setDefaultSectionSize(tabela->fontMetrics().height() + 8);
    // The short columns fit their contents; the message takes the rest, its whole text in the tip.
    tabela->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabela->horizontalHeader()->setSectionResizeMode(MENSAGEM, QHeaderView::Stretch);
    tabela->setToolTip(QStringLiteral("Clique duas vezes numa linha para abrir o circuito"));

    salvar = new QPushButton(QStringLiteral("&Salvar CSV..."), this);
    salvar->setEnabled(false);
    fechar = new QPushButton(QStringLiteral("&Fechar"), this);

    auto *linha_pasta = new QHBoxLayout;
    linha_pasta->addWidget(pasta, 1);
    linha_pasta->addWidget(procurar);
    auto *linha_ciclos = new QHBoxLayout;
    linha_ciclos->addWidget(ciclos);
    linha_ciclos->addStretch();
    linha_ciclos->addWidget(avaliar_botao);
    auto *campos = new QFormLayout;
    const std::pair<const char *, QWidget *> rotulos[] = {
        {"&Pasta:", pasta}, {"Se&quência esperada:", sequencia}, {"Válvula de pa&rtida:", partida}, {"&Ciclos:", ciclos}};
    QLayout *linhas[] = {linha_pasta, nullptr, nullptr, linha_ciclos};
    for (size_t i = 0; i < std::size(rotulos); ++i) {
        auto *rotulo = new QLabel(QString::fromUtf8(rotulos[i].first), this);
        rotulo->setBuddy(rotulos[i].second);
        if (linhas[i])
            campos->addRow(rotulo, linhas[i]);
        else
            campos->addRow(rotulo, rotulos[i].second);
    }
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(salvar);
    botoes->addWidget(fechar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addWidget(resumo);
    layout->addWidget(tabela, 1);
    layout->addLayout(botoes);
    resize(760, 420);
    // On a small or densely scaled screen, room for the title bar and the buttons.
    if (const QScreen *tela = pai ? pai->screen() : nullptr)
        resize(size().boundedTo(tela->availableGeometry().size() * 8 / 10));

    connect(procurar, &QPushButton::clicked, this, &TJanelaAvaliacaoTurma::procurarClick);
    connect(avaliar_botao, &QPushButton::clicked, this, &TJanelaAvaliacaoTurma::avaliar);
    connect(salvar, &QPushButton::clicked, this, &TJanelaAvaliacaoTurma::salvarClick);
    connect(fechar, &QPushButton::clicked, this, &QDialog::close);
    connect(tabela, &QTableWidget::cellDoubleClicked, this, [this](int linha, int) {
        if (linha >= 0 && size_t(linha) < resultados_.size())
            emit abrir_arquivo(resultados_[size_t(linha)].arquivo);
    });
}

void TJanelaAvaliacaoTurma::procurarClick()
{
    const QString escolhida = QFileDialog::getExistingDirectory(this, QStringLiteral("Pasta dos arquivos da turma"),
                                                                pasta->text());
    if (!escolhida.isEmpty())
        pasta->setText(QDir::toNativeSeparators(escolhida));
}

void TJanelaAvaliacaoTurma::avaliar()
{
    resultados_.clear();
    tabela->setRowCount(0);
    salvar->setEnabled(false);

    TCriterio_Avaliacao criterio;
    QString erro;
    if (!TSequencia_Movimentos::ler(sequencia->text(), criterio.sequencia, erro)) {
        resumo->setText(QStringLiteral("Sequência inválida: %1").arg(erro));
        return;
    }
    criterio.ciclos = ciclos->value();
    const QString nome_pasta = QDir::fromNativeSeparators(pasta->text().trimmed());
    if (nome_pasta.isEmpty() || !QFileInfo(nome_pasta).isDir()) {
        resumo->setText(QStringLiteral("Escolha a pasta com os arquivos dos alunos."));
        return;
    }
    const QStringList arquivos = Arquivos_Turma(nome_pasta);
    if (arquivos.isEmpty()) {
        resumo->setText(QStringLiteral("Nenhum arquivo .zfr na pasta."));
        return;
    }
    const QString nome_partida = partida->text().trimmed().isEmpty() ? QStringLiteral("partida") : partida->text().trimmed();
    const TRoteiro_Simulacao roteiro = Roteiro_Partida(nome_partida, Passos_Avaliacao(criterio));

    // Every file listed at once, then graded one after the other: the table is the progress.
    CursorEspera espera;
    tabela->setRowCount(int(arquivos.size()));
    for (int i = 0; i < arquivos.size(); ++i) {
        auto *item = new QTableWidgetItem(QFileInfo(arquivos[i]).fileName());
        item->setToolTip(QDir::toNativeSeparators(arquivos[i]));
        tabela->setItem(i, ARQUIVO, item);
        tabela->setItem(i, RESULTADO, new QTableWidgetItem(QStringLiteral("avaliando...")));
    }
    int aprovados = 0;
    for (int i = 0; i < arquivos.size(); ++i) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        resultados_.push_back(Avaliar_Arquivo(arquivos[i], roteiro, criterio));
        aprovados += resultados_.back().situacao == TResultado_Avaliacao::aprovado;
        mostrar(i, resultados_.back());
    }
    salvar->setEnabled(true);
    resumo->setText(QStringLiteral("Aprovados: %1 de %2 %3. Clique duas vezes numa linha para abrir o circuito.")
                        .arg(aprovados)
                        .arg(arquivos.size())
                        .arg(arquivos.size() == 1 ? QStringLiteral("arquivo") : QStringLiteral("arquivos")));
}

void TJanelaAvaliacaoTurma::mostrar(int linha, const TResultado_Avaliacao &r)
{
    const QString textos[] = {QFileInfo(r.arquivo).fileName(), Nome_Situacao(r.situacao), r.esperado, r.obtido,
                              r.mensagem};
    for (int c = 0; c < COLUNAS; ++c) {
        auto *item = new QTableWidgetItem(textos[c]);
        item->setToolTip(c == ARQUIVO ? QDir::toNativeSeparators(r.arquivo) : textos[c]);
        tabela->setItem(linha, c, item);
    }
    tabela->item(linha, RESULTADO)
        ->setForeground(r.situacao == TResultado_Avaliacao::aprovado ? QColor(0, 128, 0) : QColor(192, 0, 0));
}

bool TJanelaAvaliacaoTurma::salvar_csv(const QString &caminho)
{
    QString texto = Cabecalho_Csv() + QLatin1Char('\n');
    for (const TResultado_Avaliacao &r : resultados_)
        texto += Linha_Csv(r) + QLatin1Char('\n');
    QString motivo;
    if (Gravar_Bytes(caminho, texto.toUtf8(), &motivo))
        return true;
    ui_.aviso(QStringLiteral("Erro ao salvar arquivo!"), motivo);
    return false;
}

void TJanelaAvaliacaoTurma::salvarClick()
{
    const QString inicial = QDir::fromNativeSeparators(pasta->text().trimmed());
    QString caminho = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar CSV"),
                                                   inicial.isEmpty() ? QString() : inicial + QStringLiteral("/avaliacao.csv"),
                                                   QStringLiteral("Planilha CSV (*.csv)"));
    if (caminho.isEmpty())
        return;
    if (QFileInfo(caminho).suffix().isEmpty())
        caminho += QStringLiteral(".csv");
    salvar_csv(caminho);
}

} // namespace zefira
