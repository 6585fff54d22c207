#include "propriedades/configuracao_eletrica.h"

#include "propriedades/configuracao_entrada.h"
#include "modelo/componente.h"
#include "modelo/lista_componente.h"

#include <QRegularExpression>

namespace zefira {

namespace {

enum { EMERGENCIA = 2 };           // a button's kind
enum { CONTATO_COMUTADOR = 2 };    // the dialog's kind of a contact: NA, NF, changeover
enum { RELE = 0 };                 // a coil's kind

struct TFicha {
    int tipo;
    int campos;
    const char *legenda;
    QStringList tipos;
};

const std::vector<TFicha> &Fichas()
{
    using C = TConfiguracao_Eletrica;
    static const std::vector<TFicha> fichas = {
        {TIPO_BOTAO, C::TAG | C::CONTATO | C::TIPO, "Botão",
         {"Botão pulsador", "Botão com trava", "Botão de emergência", "Chave seletora"}},
        {TIPO_SENSOR, C::TAG | C::CONTATO | C::TIPO | C::ROTULO, "Sensor",
         {"Fim de curso (rolete)", "Indutivo", "Capacitivo", "Óptico", "Magnético"}},
        {TIPO_PRESSOSTATO, C::TAG | C::CONTATO, "Pressostato", {}},
        {TIPO_BOBINA, C::TAG | C::TIPO | C::TEMPO, "Relé",
         {"Relé", "Retardo na ligação", "Retardo no desligamento"}},
        {TIPO_CONTADOR, C::TAG | C::PRESET, "Contador", {}},
        {TIPO_CONTATO, C::TAG | C::TIPO, "Contato", {"Contato NA", "Contato NF", "Contato comutador"}},
        {TIPO_SOLENOIDE, C::TAG, "Solenoide", {}},
        {TIPO_LAMPADA, C::TAG, "Lâmpada", {}},
    };
    return fichas;
}

const TFicha *ficha(int tipo)
{
    for (const TFicha &f : Fichas())
        if (f.tipo == tipo)
            return &f;
    return nullptr;
}

} // namespace

int TConfiguracao_Eletrica::campos(int tipo)
{
    const TFicha *f = ficha(tipo);
    return f ? f->campos : 0;
}

QStringList TConfiguracao_Eletrica::tipos(int tipo)
{
    const TFicha *f = ficha(tipo);
    return f ? f->tipos : QStringList();
}

int TConfiguracao_Eletrica::campos() const { return componente_ ? campos(componente_->tipo) : 0; }
QStringList TConfiguracao_Eletrica::tipos() const { return componente_ ? tipos(componente_->tipo) : QStringList(); }

bool TConfiguracao_Eletrica::habilitado(Campo campo) const
{
    if (!(campos() & campo))
        return false;
    const int tipo = componente_->tipo;
    if (campo == TEMPO)
        return modo != RELE;
    if (campo == CONTATO)
        return !(tipo == TIPO_BOTAO && modo == EMERGENCIA);
    return true;
}

void TConfiguracao_Eletrica::preparar(TLista_Componente &lista, TComponente &componente)
{
    lista_ = &lista;
    componente_ = &componente;
}

void TConfiguracao_Eletrica::definir_tag(const QString &texto)
{
    tag = Filtrar_Texto_Arquivo(texto).toUpper().left(TAMANHO_TAG);
}

void TConfiguracao_Eletrica::definir_modo(int m)
{
    if (m < 0 || m >= tipos().size())
        return;
    modo = m;
    // An emergency stop opens its circuit when struck.
    if (componente_->tipo == TIPO_BOTAO && modo == EMERGENCIA)
        nf = true;
}

void TConfiguracao_Eletrica::definir_rotulo(const QString &texto) { rotulo = Filtrar_Texto_Arquivo(texto); }

int TConfiguracao_Eletrica::tempo_ms(const QString &texto)
{
    static const QRegularExpression numero(QStringLiteral(R"(^\s*(\d{1,4})(?:[.,](\d{0,3}))?\s*$)"));
    const QRegularExpressionMatch m = numero.match(texto);
    if (!m.hasMatch())
        return -1;
    const int ms = m.captured(1).toInt() * 1000 + m.captured(2).leftJustified(3, QLatin1Char('0')).toInt();
    return ms <= TEMPO_MAXIMO_S * 1000 ? ms : -1;
}

QString TConfiguracao_Eletrica::texto_tempo(int ms)
{
    QString texto = QString::number(ms / 1000);
    if (const int resto = ms % 1000) {
        QString fracao = QStringLiteral("%1").arg(resto, 3, 10, QLatin1Char('0'));
        while (fracao.endsWith(QLatin1Char('0')))
            fracao.chop(1);
        texto += QLatin1Char(',') + fracao;
    }
    return texto;
}

bool TConfiguracao_Eletrica::valido() const
{
    if (habilitado(TEMPO) && tempo_ms(tempo) < 0)
        return false;
    return !(campos() & PRESET) || (preset >= 1 && preset <= PRESET_MAXIMO);
}

void TConfiguracao_Eletrica::FormShow()
{
    const TFicha *f = ficha(componente_->tipo);
    const TEletrico &e = *componente_->eletrico;
    legenda = f ? QString::fromUtf8(f->legenda) : QString();
    definir_tag(e.tag);
    nf = e.nf;
    modo = componente_->tipo == TIPO_CONTATO ? (e.modo != 0 ? int(CONTATO_COMUTADOR) : int(e.nf)) : e.modo;
    rotulo = e.rotulo;
    tempo = texto_tempo(e.tempo);
    preset = e.preset;

    rotulos.clear();
    const TLista_Componente &lista = *lista_;
    for (int i = 0; i < lista.numero_componentes(); ++i)
        if (const TCilindro *ci = lista[i].cilindro.get())
            for (int k = 1; k <= NUMERO_ROTULOS; ++k) {
                const QString r = ci->rotulo(k).texto.trimmed();
                if (!r.isEmpty() && !rotulos.contains(r))
                    rotulos << r;
            }
}

void TConfiguracao_Eletrica::ButOKClick()
{
    TEletrico &e = *componente_->eletrico;
    const int c = campos();
    if (!tag.trimmed().isEmpty())
        e.tag = tag.trimmed();
    if (c & TIPO) {
        if (componente_->tipo == TIPO_CONTATO) {
            e.modo = modo == CONTATO_COMUTADOR ? 1 : 0;
            e.nf = modo == 1;
        } else {
            e.modo = modo;
        }
    }
    if (c & CONTATO)
        e.nf = nf;
    if (c & ROTULO)
        e.rotulo = rotulo.trimmed();
    if (habilitado(TEMPO) && tempo_ms(tempo) >= 0)
        e.tempo = tempo_ms(tempo);
    if (c & PRESET)
        e.preset = qBound(1, preset, int(PRESET_MAXIMO));
    // The symbol may have changed with the kind or NA/NF; the size stays.
    componente_->atualizar_geometria();
}

} // namespace zefira
