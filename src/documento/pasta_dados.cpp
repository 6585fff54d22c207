#include "documento/pasta_dados.h"

#include <QDir>
#include <QFileInfo>

namespace zefira {

const char *const PASTA_DADOS_INSTALADA = "../share/zefira";

namespace {

QString instalada(const QString &pasta_programa)
{
    return QDir::cleanPath(pasta_programa + QLatin1Char('/') + QLatin1String(PASTA_DADOS_INSTALADA));
}

} // namespace

QString Caminho_Dados(const QString &pasta_programa, const QString &relativo)
{
    const QString junto = pasta_programa + relativo;
    if (pasta_programa.isEmpty() || QFileInfo::exists(junto))
        return junto;
    const QString dados = instalada(pasta_programa) + QLatin1Char('/') + relativo;
    return QFileInfo::exists(dados) ? dados : junto;
}

bool Programa_Instalado(const QString &pasta_programa)
{
    return !pasta_programa.isEmpty() && QFileInfo(instalada(pasta_programa)).isDir();
}

} // namespace zefira
