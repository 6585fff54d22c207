#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependencias.sh
scripts/compilar.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # Without a display the program cannot open its window: show a demonstration as a picture,
  # just the circuit at twice its size, and say where the program can be opened.
  mkdir -p build/saida
  build/zefira-cli demo comandobasico1 build/saida/comandobasico1.zfr
  build/zefira-cli exportar build/saida/comandobasico1.zfr build/saida/comandobasico1.png --escala 2
  echo "Sem tela disponível: o circuito de demonstração foi exportado em $(pwd)/build/saida/comandobasico1.png"
  echo "Para abrir o programa, execute ./executar.sh num terminal da área de trabalho gráfica (com DISPLAY ou WAYLAND_DISPLAY definido)."
  exit 0
fi
exec build/zefira
