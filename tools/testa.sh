#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the optimised build
# and under AddressSanitizer + UndefinedBehaviorSanitizer; then the threaded experiments'
# tests (library, quivora-run --jobs 2, the window's page, cancelling included) under
# ThreadSanitizer. Window tests need an X server: the whole run goes through xvfb-run, with
# Mesa's software OpenGL.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/instala-dependencias.sh

export QT_QPA_PLATFORM=xcb LIBGL_ALWAYS_SOFTWARE=1
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24")

for preset in padrao asan; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "== $preset tests"
    "${xvfb[@]}" ctest --preset "$preset"
done

echo "== tsan build"
cmake --preset tsan >/dev/null
cmake --build --preset tsan
echo "== tsan tests"
"${xvfb[@]}" ctest --preset tsan

echo "== fuzzing"
bash tools/fuzz.sh
