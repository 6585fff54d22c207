#pragma once
// TConfiguracao_Eletrica: the dialog of the electrical parts without its window. Which fields a
// family has (tag, NA/NF, kind, cylinder label, time, preset), which of them the chosen kind
// leaves open, the working copy and its checks; the record is written only by ButOKClick.

#include <QString>
#include <QStringList>

namespace zefira {

class TComponente;
class TLista_Componente;

class TConfiguracao_Eletrica {
public:
    static constexpr int TAMANHO_TAG = 8;
    static constexpr int TEMPO_MAXIMO_S = 3600;
    static constexpr int PRESET_MAXIMO = 9999;

    // The fields of the dialog; a family shows the ones it has.
    enum Campo { TAG = 1, CONTATO = 2, TIPO = 4, ROTULO = 8, TEMPO = 16, PRESET = 32 };

    // The fields of a family (its file tag); 0 for a kind the dialog does not edit.
    static int campos(int tipo);
    // The kinds the family's kind box offers, in the order of TEletrico::modo (a contact's
    // three are NA, NF and changeover).
    static QStringList tipos(int tipo);

    // The working copy.
    QString legenda;
    QString tag;
    int modo = 0;
    bool nf = false;
    QString rotulo;
    QString tempo;      // seconds, as typed ("2,5")
    int preset = 1;
    QStringList rotulos; // the cylinder labels of the circuit, for the label box

    void preparar(TLista_Componente &lista, TComponente &componente);
    int campos() const;
    QStringList tipos() const;
    // Whether a shown field takes input with the chosen kind: a timer's time only for a timer
    // relay; NA/NF not for an emergency stop, which is always NF.
    bool habilitado(Campo campo) const;

    // The boxes as typed: a tag in upper case without what the file cannot hold.
    void definir_tag(const QString &texto);
    void definir_modo(int m);
    void definir_rotulo(const QString &texto);

    // The time typed in seconds (decimal comma or point) in ms, or -1 when it is not a number
    // of 0 to 3600 s.
    static int tempo_ms(const QString &texto);
    static QString texto_tempo(int ms);
    // Whether OK can write the copy: a time that reads, a preset in 1..9999.
    bool valido() const;

    void FormShow();
    // Writes the copy into the record. An emptied tag keeps the record's.
    void ButOKClick();

private:
    TLista_Componente *lista_ = nullptr;
    TComponente *componente_ = nullptr;
};

} // namespace zefira
