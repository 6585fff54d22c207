#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependencias.sh
scripts/compilar.sh
# Until the main window exists, the program checks a bundled example circuit.
exec build/zefira-cli verificar resources/exemplos/exemplo.zfr
