#pragma once
// The commands of zefira-cli. Each takes the arguments after its name and returns the exit
// status. Output is UTF-8.

#include <QString>
#include <QStringList>

namespace zefira {
struct TEstado;
class TRoteiro_Simulacao;
} // namespace zefira

namespace zefira::cli {

int verificar(const QStringList &args);
int regravar(const QStringList &args);
int roteiro(const QStringList &args);
int simular(const QStringList &args);
int demo(const QStringList &args);
int desenhar(const QStringList &args);
int exportar(const QStringList &args);
int simbolos(const QStringList &args);
int sequencia(const QStringList &args);
int diagrama(const QStringList &args);
int avaliar(const QStringList &args);
int gerar(const QStringList &args);

// Output helpers: one line each, UTF-8, flushed.
void saida(const QString &linha);
void erro(const QString &linha);

// Exit statuses shared by the commands.
enum Status {
    OK = 0,
    INVALIDO = 1,       // the circuit file failed validation
    ERRO_LEITURA = 2,   // the file could not be opened or read
    ERRO_ESCRITA = 3,   // the output could not be written
    ERRO_USO = 4,       // bad arguments, unknown names, invalid script lines
};

// Writes "zefira-cli: MENSAGEM" (when there is one) and the command's usage `uso` to stderr;
// returns ERRO_USO.
int recusar_uso(const char *uso, const QString &mensagem = QString());

// Takes the simulation options and exactly `quantidade` positional arguments; on failure writes
// the message and the usage `uso` and returns false.
bool ler_opcoes_simulacao(const QStringList &args, int quantidade, const char *uso, TRoteiro_Simulacao &roteiro,
                          QStringList &posicionais);
// ler_opcoes_simulacao, then the run of zefira::Simular_Arquivo on the first positional argument: OK, or the exit
// status with its message already written (sequencia, diagrama).
int ler_e_simular(const QStringList &args, int quantidade, const char *uso, TEstado &estado,
                  QStringList &posicionais);
// For the commands that draw a circuit (desenhar, exportar): opens the circuit and runs the
// steps asked for (or brings the valves to rest), returning OK or the exit status (message
// already written).
int abrir_e_simular(TRoteiro_Simulacao &roteiro, const QString &arquivo, TEstado &estado);

} // namespace zefira::cli
