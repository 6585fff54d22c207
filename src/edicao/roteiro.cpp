// Script reader and player for the headless editor.
#include "edicao/roteiro.h"

#include "edicao/area_trabalho.h"
#include "edicao/area_transferencia.h"
#include "edicao/paleta.h"
#include "edicao/selecao.h"
#include "documento/historico_documento.h"

#include <QRegularExpression>
#include <Qt>
#include <map>

namespace zefira {

namespace {

using TipoAcao = TRoteiro::TipoAcao;
using Comando = TRoteiro::Comando;

const std::map<QString, TipoAcao> ACOES = {
    {"paleta", TipoAcao::Paleta}, {"pressionar", TipoAcao::Pressionar}, {"mover", TipoAcao::Mover},
    {"soltar", TipoAcao::Soltar}, {"duplo", TipoAcao::Duplo},           {"tecla", TipoAcao::Tecla},
    {"menu", TipoAcao::Menu},     {"responder", TipoAcao::Responder},
};

const std::map<QString, int> TECLAS = {
    {"Escape", Qt::Key_Escape}, {"Delete", Qt::Key_Delete}, {"Esquerda", Qt::Key_Left},
    {"Cima", Qt::Key_Up},       {"Direita", Qt::Key_Right}, {"Baixo", Qt::Key_Down},
};

const std::map<QString, Comando> COMANDOS = {
    {"copiar", Comando::Copiar},
    {"cortar", Comando::Cortar},
    {"colar", Comando::Colar},
    {"excluir", Comando::Excluir},
    {"selecionartudo", Comando::SelecionarTudo},
    {"rotacionar", Comando::Rotacionar},
    {"propriedades", Comando::Propriedades},
    {"desfazer", Comando::Desfazer},
    {"refazer", Comando::Refazer},
};

const std::map<QString, Resposta> RESPOSTAS = {
    {"sim", Resposta::Sim}, {"nao", Resposta::Nao}, {"cancelar", Resposta::Cancelar}};

// Reads the optional flags after the fixed arguments: each allowed flag at most once, in any
// order, and nothing else.
bool ler_opcoes(const QStringList &partes, int inicio, bool permite_dir, TRoteiro::TAcao &a)
{
    bool viu_dir = false, viu_shift = false;
    for (int i = inicio; i < partes.size(); ++i) {
        if (partes[i] == QLatin1String("shift") && !viu_shift)
            viu_shift = a.shift = true;
        else if (permite_dir && partes[i] == QLatin1String("dir") && !viu_dir)
            viu_dir = a.direito = true;
        else
            return false;
    }
    return true;
}

bool ler_ponto(const QStringList &partes, TRoteiro::TAcao &a)
{
    if (partes.size() < 3)
        return false;
    bool ok_x = false, ok_y = false;
    a.x = partes[1].toInt(&ok_x);
    a.y = partes[2].toInt(&ok_y);
    return ok_x && ok_y;
}

bool ler_acao(const QStringList &partes, TRoteiro::TAcao &a)
{
    const auto acao = ACOES.find(partes[0]);
    if (acao == ACOES.end())
        return false;
    a.acao = acao->second;
    switch (a.acao) {
    case TipoAcao::Paleta: {
        bool ok = false;
        a.codigo = partes.size() == 2 ? partes[1].toInt(&ok) : 0;
        return ok && posicionando(a.codigo);
    }
    case TipoAcao::Pressionar:
    case TipoAcao::Soltar: return ler_ponto(partes, a) && ler_opcoes(partes, 3, true, a);
    case TipoAcao::Mover: return ler_ponto(partes, a) && ler_opcoes(partes, 3, false, a);
    case TipoAcao::Duplo: return ler_ponto(partes, a) && partes.size() == 3;
    case TipoAcao::Tecla: {
        if (partes.size() < 2)
            return false;
        const auto t = TECLAS.find(partes[1]);
        if (t == TECLAS.end())
            return false;
        a.codigo = t->second;
        return ler_opcoes(partes, 2, false, a);
    }
    case TipoAcao::Menu: {
        const auto c = partes.size() == 2 ? COMANDOS.find(partes[1]) : COMANDOS.end();
        if (c == COMANDOS.end())
            return false;
        a.comando = c->second;
        return true;
    }
    case TipoAcao::Responder: {
        const auto r = partes.size() == 2 ? RESPOSTAS.find(partes[1]) : RESPOSTAS.end();
        if (r == RESPOSTAS.end())
            return false;
        a.resposta = r->second;
        return true;
    }
    }
    return false;
}

} // namespace

int TRoteiro::analisar(const QString &texto)
{
    acoes_.clear();
    std::vector<TAcao> lidas;
    const QStringList linhas = texto.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (int n = 0; n < linhas.size(); ++n) {
        const QString linha = linhas[n].trimmed();
        if (linha.isEmpty() || linha.startsWith(QLatin1Char('#')))
            continue;
        TAcao a;
        if (!ler_acao(linha.split(QRegularExpression(QStringLiteral("\\s+"))), a))
            return n + 1;
        lidas.push_back(a);
    }
    acoes_ = std::move(lidas);
    return 0;
}

void TRoteiro::executar(TEstado &estado, TInterfaceRoteirizada &ui)
{
    for (const TAcao &a : acoes_)
        executar(estado, ui, a);
}

void TRoteiro::executar(TEstado &estado, TInterfaceRoteirizada &ui, const TAcao &a)
{
    const TShiftState shift = a.shift ? SHIFT_SHIFT : 0u;
    const TShiftState botao = a.direito ? SHIFT_DIREITO : SHIFT_ESQUERDO;
    switch (a.acao) {
    case TipoAcao::Paleta: Clicar_Botao_Paleta(estado, a.codigo); break;
    case TipoAcao::Pressionar:
        (a.direito ? botao_direito_ : botao_esquerdo_) = true;
        imagemMouseDown(estado, ui, a.direito ? BotaoMouse::Direito : BotaoMouse::Esquerdo, shift | botao, a.x, a.y);
        break;
    case TipoAcao::Mover: {
        TShiftState segurados = shift;
        if (botao_esquerdo_)
            segurados |= SHIFT_ESQUERDO;
        if (botao_direito_)
            segurados |= SHIFT_DIREITO;
        imagemMouseMove(estado, segurados, a.x, a.y);
        break;
    }
    case TipoAcao::Soltar:
        (a.direito ? botao_direito_ : botao_esquerdo_) = false;
        imagemMouseUp(estado, shift, a.x, a.y);
        break;
    case TipoAcao::Duplo:
        // The system's sequence for a double click: the second press follows the handler.
        imagemMouseDown(estado, ui, BotaoMouse::Esquerdo, SHIFT_ESQUERDO, a.x, a.y);
        imagemMouseUp(estado, 0, a.x, a.y);
        imagemDblClick(estado, ui);
        imagemMouseDown(estado, ui, BotaoMouse::Esquerdo, SHIFT_ESQUERDO, a.x, a.y);
        imagemMouseUp(estado, 0, a.x, a.y);
        break;
    case TipoAcao::Tecla:
        // Delete is the main window's shortcut for the delete command; the work area still
        // sees the key's release.
        if (a.codigo == Qt::Key_Delete)
            TBexcluirClick(estado, ui);
        else
            FormKeyDown(estado, a.codigo, shift);
        FormKeyUp(estado, a.codigo, shift);
        break;
    case TipoAcao::Menu:
        switch (a.comando) {
        case Comando::Copiar: copiarClick(estado); break;
        case Comando::Cortar: cortarClick(estado); break;
        case Comando::Colar: colarClick(estado); break;
        case Comando::Excluir: TBexcluirClick(estado, ui); break;
        case Comando::SelecionarTudo: selecionartudoClick(estado); break;
        case Comando::Rotacionar: rotacionarClick(estado); break;
        case Comando::Propriedades: propriedadesClick(estado, ui); break;
        case Comando::Desfazer: Desfazer(estado); break;
        case Comando::Refazer: Refazer(estado); break;
        }
        break;
    case TipoAcao::Responder: ui.respostas.push_back(a.resposta); break;
    }
}

} // namespace zefira
