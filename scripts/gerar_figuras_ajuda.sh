#!/usr/bin/env bash
# Redraws the pictures of the help documents with zefira-cli: every symbol of the library
# (resources/Ajuda/figuras/) and each demonstration at twice its size (resources/Ajuda/demo_*.png).
# The tests compare these files with what the program draws, so run this after changing a drawing.
# Usage: scripts/gerar_figuras_ajuda.sh [path of zefira-cli, default build/zefira-cli]
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$raiz/build/zefira-cli}
ajuda=$raiz/resources/Ajuda
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rm -f "$ajuda"/figuras/*.png
"$cli" simbolos "$ajuda/figuras"
for nome in $("$cli" demo --lista | cut -d' ' -f1); do
  "$cli" demo "$nome" "$tmp/$nome.zfr"
  "$cli" exportar "$tmp/$nome.zfr" "$ajuda/demo_$nome.png" --escala 2
done
