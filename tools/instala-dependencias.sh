#!/usr/bin/env bash
# Installs, from Debian 12's packages, everything Quivora needs to build, run and test.
# Runs as root (or through sudo); does nothing when every package is already there.
set -euo pipefail

pacotes=(
    build-essential cmake git
    qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev qt6-translations-l10n
    libgl-dev libglu1-mesa-dev libgl1-mesa-dri libjpeg-dev
    libboost-math-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool xclip imagemagick fonts-liberation
    clang libclang-rt-14-dev
    help2man lintian appstream desktop-file-utils
    locales
    python3
)

faltam=()
for pacote in "${pacotes[@]}"; do
    dpkg-query -W -f='${Status}' "$pacote" 2>/dev/null | grep -q 'install ok installed' ||
        faltam+=("$pacote")
done
[ ${#faltam[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${faltam[@]}"
