#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/instala-dependencias.sh
cmake --preset padrao >/dev/null
cmake --build --preset padrao
exec build/padrao/app/quivora "$@"
