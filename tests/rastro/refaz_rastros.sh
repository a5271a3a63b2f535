#!/usr/bin/env bash
# Every selection, crossover, mutation and replacement, with and without elitism and scaling,
# in simple and parallel mode: each run's --trace replayed generation by generation by
# refaz_rastro.py, which knows nothing of the engine's code.
# Usage: refaz_rastros.sh QUIVORA_RUN REFAZ_RASTRO_PY
set -euo pipefail
quivora_run=$1
refaz=$2
casos=(
    "--seed 1"
    "--seed 2 --elitism --mutation-rate 0"
    "--seed 3 --selection Torneio --tournament 5 --crossover Uniforme --mutation Inversão --mutation-rate 30"
    "--seed 4 --elitism --no-scaling --crossover Uniforme --mutation Mutar|para|1"
    "--seed 5 --selection Torneio --tournament 1 --crossover 2|pontos --mutation Mutar|para|0"
    "--seed 6 --replacement Inserção --crossover-rate 40 --elitism --pop 30"
    "--seed 7 --replacement Inserção --crossover-rate 2 --chrom 18"
    "--seed 8 --replacement Inserção --crossover-rate 100 --elitism --selection Torneio --tournament 30 --pop 30"
    "--seed 9 --parallel"
    "--seed 10 --parallel --elitism --chrom 30 --selection Torneio --tournament 3"
    "--seed 11 --parallel --elitism --no-scaling --mutation Inversão --mutation-rate 10"
    "--seed 12 --pop 200 --chrom 100 --generations 100 --elitism --min -50 --max 30"
    "--seed 13 --min 0 --max 0 --stop Primeira|situação|encontrada"
)
for caso in "${casos[@]}"; do
    args=()
    for palavra in $caso; do args+=("${palavra//|/ }"); done
    echo "== ${args[*]}"
    "$quivora_run" --stop "n Gerações" "${args[@]}" --trace - 2>/dev/null | /usr/bin/python3 "$refaz"
done
