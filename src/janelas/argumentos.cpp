#include "janelas/argumentos.h"

#include "documento/nome_arquivo.h"

namespace zefira {

const char *const VERSAO_PROGRAMA = "ZEFIRA 1.0";

QStringList Argumentos_Brutos(int argc, const char *const *argv)
{
    QStringList lista;
    for (int i = 0; i < argc; ++i)
        lista << Nome_Arquivo(QByteArray(argv[i]));
    return lista;
}

TArgumentos Ler_Argumentos(const QStringList &argumentos)
{
    TArgumentos r;
    QStringList arquivos;
    QString desconhecida;
    bool opcoes = true;
    bool ajuda = false, versao = false, verificar = false;
    for (int i = 1; i < argumentos.size(); ++i) {
        const QString &a = argumentos[i];
        if (opcoes && a == QLatin1String("--")) {
            opcoes = false;
        } else if (opcoes && (a == QLatin1String("-h") || a == QLatin1String("--help"))) {
            ajuda = true;
        } else if (opcoes && (a == QLatin1String("-v") || a == QLatin1String("--version"))) {
            versao = true;
        } else if (opcoes && a == QLatin1String("--verificar")) {
            verificar = true;
        } else if (opcoes && a.size() > 1 && a.startsWith(QLatin1Char('-'))) {
            if (desconhecida.isEmpty())
                desconhecida = a;
        } else {
            arquivos << a;
        }
    }
    if (ajuda)
        r.acao = AcaoInicial::Ajuda;
    else if (versao)
        r.acao = AcaoInicial::Versao;
    else if (!desconhecida.isEmpty())
        r.erro = QStringLiteral("opção desconhecida: ") + desconhecida;
    else if (arquivos.size() > 1)
        r.erro = QStringLiteral("apenas um arquivo pode ser aberto por vez");
    else if (verificar)
        r.acao = AcaoInicial::Verificar;
    if (!r.erro.isEmpty())
        r.acao = AcaoInicial::Erro;
    if (r.acao == AcaoInicial::Abrir && !arquivos.isEmpty())
        r.arquivo = arquivos.first();
    return r;
}

QString Texto_Uso()
{
    return QStringLiteral(
        "Uso: zefira [OPÇÃO] [ARQUIVO.zfr]\n"
        "ZEFIRA - Simulador de Circuitos Pneumáticos. Com ARQUIVO, abre esse circuito ao iniciar.\n"
        "\n"
        "Opções:\n"
        "  -h, --help      mostra esta ajuda e sai\n"
        "  -v, --version   mostra a versão do programa e sai\n"
        "  --verificar     mostra onde foram encontrados os documentos de ajuda, os cursores\n"
        "                  e a figura do Sobre, e sai (código 1 se faltar algum)\n");
}

} // namespace zefira
