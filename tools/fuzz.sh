#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ (the tolerance reader, the number format, the option parser
# and the experiment CSV readers) with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time, starting from its seed corpus
# in fuzz/corpus. Fails when a target finds a crash, a sanitizer report or a broken property;
# the input that did it is kept in <build dir>/artefatos.
#   QUIVORA_FUZZ_SEGUNDOS  seconds per target (60)
#   QUIVORA_FUZZ_DIR       build directory (build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${QUIVORA_FUZZ_SEGUNDOS:-60}
dir=${QUIVORA_FUZZ_DIR:-build/fuzz}

if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is missing (Debian packages clang and libclang-rt-14-dev)" >&2
    exit 1
fi
CC=clang CXX=clang++ cmake -S fuzz -B "$dir" >/dev/null
cmake --build "$dir" -j2

artefatos="$dir/artefatos"
mkdir -p "$artefatos"
passaram=0
falharam=0
for alvo in le_real formata_real opcoes csv_experimento; do
    # New inputs go to a corpus in the build directory, so the seeds in the repo stay as they are.
    corpus="$dir/corpus/$alvo"
    mkdir -p "$corpus"
    opcoes=(-max_total_time="$segundos" -timeout=10 -artifact_prefix="$artefatos/$alvo-")
    [ -f "fuzz/$alvo.dict" ] && opcoes+=(-dict="fuzz/$alvo.dict")
    echo "== fuzz_$alvo, $segundos s"
    if "$dir/fuzz_$alvo" "${opcoes[@]}" "$corpus" "fuzz/corpus/$alvo" 2>"$dir/$alvo.log"; then
        grep -E '^Done [0-9]+ runs' "$dir/$alvo.log"
        passaram=$((passaram + 1))
    else
        tail -n 40 "$dir/$alvo.log"
        falharam=$((falharam + 1))
    fi
done
echo "fuzz: $passaram passed, $falharam failed"
[ "$falharam" -eq 0 ]
