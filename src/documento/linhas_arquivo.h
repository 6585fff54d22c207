#pragma once
// TLinhas_Arquivo: the lines of a circuit file, one at a time, decoded from Windows-1252.

#include <QByteArray>
#include <QString>

namespace zefira {

class TLinhas_Arquivo {
public:
    explicit TLinhas_Arquivo(QByteArray dados) : dados_(std::move(dados)) {}

    // The next line without its end (CR LF, LF or a lone CR); false at the end of the file.
    bool proxima(QString &linha);
    // The next line, or an empty one at the end of the file.
    QString proxima_ou_vazia();

private:
    QByteArray dados_;
    qsizetype posicao_ = 0;
};

// Leading and trailing blanks and control characters removed.
QString aparar(const QString &texto);

} // namespace zefira
