#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependencias.sh
scripts/compilar.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # Without a display the program cannot open its window: show a demonstration as a picture.
  mkdir -p build/saida
  build/zefira-cli demo comandobasico1 build/saida/comandobasico1.zfr
  build/zefira-cli desenhar build/saida/comandobasico1.zfr build/saida/comandobasico1.png
  echo "Sem tela disponível: o circuito de demonstração foi desenhado em $(pwd)/build/saida/comandobasico1.png"
  exit 0
fi
exec build/zefira
