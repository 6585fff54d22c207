#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail

# qt6-svg-dev draws the program's icon; dpkg-dev and file let "cpack -G DEB" compute the
# package's dependencies; desktop-file-utils, appstream and shared-mime-info check the
# desktop integration files in the tests.
PACOTES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libbenchmark-dev
         fonts-dejavu-core qt6-translations-l10n xvfb xauth
         dpkg-dev file desktop-file-utils appstream shared-mime-info)

faltando=()
for p in "${PACOTES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    faltando+=("$p")
  fi
done
[ ${#faltando[@]} -eq 0 ] && exit 0

echo "Instalando pacotes: ${faltando[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${faltando[@]}"
