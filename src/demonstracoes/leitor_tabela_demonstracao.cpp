#include "demonstracoes/tabelas_demonstracoes.h"

#include "componentes/linha_demonstracao.h"
#include "componentes/registro.h"

#include <QStringList>

namespace zefira {

namespace {

// "| code | kind | left, top | settings |": the kind's word picks the family, which builds the
// record from the rest of the row.
std::shared_ptr<TComponente> ler_linha(const QString &linha, const TImagens &imagens)
{
    QStringList celulas = linha.split('|');
    // "| a | b | c | d |" splits into "", a, b, c, d, "".
    if (celulas.size() != 6)
        return nullptr;
    for (QString &c : celulas)
        c = c.trimmed();
    bool ok = false;
    const TLinha_Demonstracao dados{celulas[1].toInt(&ok), celulas[3], celulas[4]};
    if (!ok)
        return nullptr;
    for (const TFamilia *f : Familias()) {
        TVariante v;
        if (!f->palavra_demonstracao(celulas[2], v))
            continue;
        auto c = std::make_shared<TComponente>(imagens, -1, v.tipo_e_ou, v.tipo_cilindro, v.numero_vias, -1, -1,
                                               f->tipo());
        return f->montar_demonstracao(*c, dados) ? c : nullptr;
    }
    return nullptr;
}

} // namespace

bool Ler_Tabela_Demonstracao(const char *linhas, const TImagens &imagens,
                             std::vector<std::shared_ptr<TComponente>> &componentes, QString *erro)
{
    componentes.clear();
    for (const QString &linha : QString::fromUtf8(linhas).split('\n', Qt::SkipEmptyParts)) {
        std::shared_ptr<TComponente> c = ler_linha(linha, imagens);
        if (!c) {
            if (erro)
                *erro = linha;
            return false;
        }
        componentes.push_back(std::move(c));
    }
    return true;
}

} // namespace zefira
