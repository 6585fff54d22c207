#include "modelo/historico.h"

namespace zefira {

namespace {

qsizetype tamanho(const TInstantaneo &i)
{
    return i.circuito.size() + qsizetype((i.selecionados.size() + i.selecionados_antes.size() + i.fuzzy.size() + i.acionados.size()) * sizeof(int))
           + i.nome.size() * 2;
}

} // namespace

void THistorico::iniciar(TInstantaneo base)
{
    passos_.clear();
    selecao_repouso = base.selecionados;
    bytes_ = tamanho(base);
    passos_.push_back(std::move(base));
    indice_ = 0;
    limpo_ = 0;
    ++revisao_;
}

void THistorico::registrar(TInstantaneo depois)
{
    while (int(passos_.size()) > indice_ + 1) {
        bytes_ -= tamanho(passos_.back());
        passos_.pop_back();
    }
    // The saved state lay in the redo tail just dropped: no snapshot matches the file now.
    if (limpo_ > indice_)
        limpo_ = -1;
    bytes_ += tamanho(depois);
    passos_.push_back(std::move(depois));
    indice_ = int(passos_.size()) - 1;
    aparar();
    ++revisao_;
}

void THistorico::aparar()
{
    while (passos_.size() > 1 && (int(passos_.size()) > MAXIMO_PASSOS + 1 || bytes_ > MAXIMO_BYTES)) {
        bytes_ -= tamanho(passos_.front());
        passos_.pop_front();
        --indice_;
        // A trimmed saved state can never be reached again.
        limpo_ = limpo_ > 0 ? limpo_ - 1 : -1;
    }
}

const TInstantaneo *THistorico::desfazer()
{
    if (!pode_desfazer())
        return nullptr;
    --indice_;
    ++revisao_;
    return &passos_[size_t(indice_)];
}

const TInstantaneo *THistorico::refazer()
{
    if (!pode_refazer())
        return nullptr;
    ++indice_;
    ++revisao_;
    return &passos_[size_t(indice_)];
}

QString THistorico::nome_desfazer() const { return pode_desfazer() ? atual().nome : QString(); }

QString THistorico::nome_refazer() const { return pode_refazer() ? passos_[size_t(indice_ + 1)].nome : QString(); }

} // namespace zefira
