#!/usr/bin/env bash
# The cluster recipes of docs/receitas, as a user saves them: each a script that its shell
# (and sbatch, which wants a #! line) takes; the Slurm one run with a local stand-in for the
# variables Slurm sets, for one task of its array, cut as a kill would leave it and run again
# as a requeued task, which must end with the rows of the uninterrupted task.
#   testa_receitas.sh DOCS_RECEITAS QUIVORA_RUN
set -euo pipefail
receitas=$1
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
mkdir "$pasta/bin"
ln -s "$2" "$pasta/bin/quivora-run"
export PATH="$pasta/bin:$PATH"
cd "$pasta"

for receita in "$receitas"/*.sh; do
    bash -n "$receita"
    head -n 1 "$receita" | grep -q '^#!' || { echo "$receita: no #! line" >&2; exit 1; }
done

tarefa() {
    SLURM_ARRAY_TASK_ID=3 SLURM_CPUS_PER_TASK=2 bash "$receitas/experimento-slurm.sh" >/dev/null
}
sem_tempo() {  # the rows without the run's wall time, the 30th field
    cut -d, -f1-29,31- "$1"
}

tarefa
sem_tempo shard-3.csv >inteiro
head -c "$(($(stat -c %s shard-3.csv) / 2))" shard-3.csv >cortado
mv cortado shard-3.csv
tarefa
sem_tempo shard-3.csv | cmp - inteiro
cp shard-3.csv terminado
tarefa
cmp shard-3.csv terminado

# One shard of eight: the summary says what the other tasks still owe.
quivora-run --summarize shard-3.csv 2>aviso >/dev/null
grep -q 'planned runs are missing' aviso
