#!/bin/bash
# One experiment as a Slurm job array: each of the 8 tasks runs one shard into its own CSV.
# Submit it from the directory that is to hold the CSVs:
#     sbatch experimento-slurm.sh
# A task that Slurm stops (preemption, a failed node) is requeued and goes on where it
# stopped: --resume keeps the runs that its CSV already holds. So does a task submitted again
# after its time limit; a task that had finished adds nothing. When every task is done:
#     quivora-run --summarize shard-*.csv
#SBATCH --job-name=quivora
#SBATCH --array=1-8
#SBATCH --cpus-per-task=2
#SBATCH --requeue
#SBATCH --open-mode=append
#SBATCH --output=shard-%a.log
set -euo pipefail
quivora-run --runs 10000 --seed 42 --vary selection=Roleta,Torneio \
    --shard "$SLURM_ARRAY_TASK_ID/8" --jobs "$SLURM_CPUS_PER_TASK" \
    --csv "shard-$SLURM_ARRAY_TASK_ID.csv" --resume
