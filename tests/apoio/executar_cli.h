#pragma once
// Runs zefira-cli as a separate process and collects its exit status and both outputs.

#include <QProcess>
#include <functional>
#include <QString>
#include <QStringList>

namespace zefira::teste {

struct Execucao {
    int status = -1; // -1: did not finish or crashed
    QString saida;
    QString erros;
};

// `no_filho`, when given, runs in the child just before zefira-cli starts (to lower a resource
// limit, for instance).
inline Execucao executar_cli(const QStringList &args, const std::function<void()> &no_filho = {})
{
    QProcess p;
    if (no_filho)
        p.setChildProcessModifier(no_filho);
    p.start(QStringLiteral(ZEFIRA_CLI), args);
    Execucao e;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return e;
    e.status = p.exitCode();
    e.saida = QString::fromUtf8(p.readAllStandardOutput());
    e.erros = QString::fromUtf8(p.readAllStandardError());
    return e;
}

} // namespace zefira::teste
