#!/usr/bin/env bash
# The irace recipe of docs/receitas/irace as a user runs it: Debian's irace tunes the GA with a
# small budget, and the best configuration it prints, turned into quivora-run's options by the
# recipe's own target runner, is one that quivora-run runs. Exit 77 (skipped) without irace.
#   testa_irace.sh RECEITA_IRACE QUIVORA_RUN
set -euo pipefail
irace=$(Rscript -e 'cat(system.file("bin/irace", package = "irace"))' 2>/dev/null || true)
[ -n "$irace" ] && [ -x "$irace" ] || { echo "irace is not installed"; exit 77; }
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
cp -r "$1"/. "$pasta"
cd "$pasta"
export QUIVORA_RUN=$2

bash -n target-runner
"$irace" --scenario scenario.txt --max-experiments 300 --seed 1 >saida.txt 2>&1 ||
    { cat saida.txt; exit 1; }
# The line after this heading is the elite: its number, then its options as irace writes them.
elite=$(grep -A 1 '^# Best configurations as commandlines' saida.txt | tail -n 1)
read -r numero argumentos <<<"$elite"
[[ $numero =~ ^[0-9]+$ ]] || { echo "no elite in irace's output:"; cat saida.txt; exit 1; }
read -r -a argumentos <<<"$argumentos"
mapfile -t opcoes < <(./target-runner --options "${argumentos[@]}")
echo "elite $numero: ${opcoes[*]}"
"$QUIVORA_RUN" --seed 1 "${opcoes[@]}" >relatorio.txt
grep -q . relatorio.txt
