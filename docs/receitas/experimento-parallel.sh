#!/bin/bash
# One experiment in 8 shards over several hosts with GNU parallel, each shard into its own CSV
# in this directory, which the hosts share (an NFS home, say) and reach by ssh without a
# password; then the summary of all of them:
#     bash experimento-parallel.sh host1 host2 host3 host4
# Run it again after an interruption: --resume keeps the runs that each CSV already holds.
set -euo pipefail
if [ $# -eq 0 ]; then
    echo "usage: $0 HOST..." >&2
    exit 2
fi
hosts=$(IFS=,; echo "$*")
parallel -S "$hosts" --wd . --jobs 1 \
    quivora-run --runs 10000 --seed 42 --vary selection=Roleta,Torneio \
    --shard {}/8 --jobs 2 --csv shard-{}.csv --resume ::: $(seq 8)
quivora-run --summarize shard-*.csv
