#!/usr/bin/env bash
# Runs a command under a virtual X server of its own, with Mesa's software OpenGL:
#   em_xvfb.sh "<Xvfb screen options>" command [arguments...]
# xvfb-run -a can hand one display number to two tests that start together under ctest -j,
# and then one of them fails to start its server. Here each run reserves its number by
# creating a directory, which only one process can do.
set -u
tela=$1
shift
for n in $(seq 100 499); do
    reserva=/tmp/quivora-xvfb-$n
    [ -e "/tmp/.X$n-lock" ] && continue
    mkdir "$reserva" 2>/dev/null || continue
    trap 'rmdir "$reserva"' EXIT
    xvfb-run -n "$n" -s "$tela" "$@"
    exit $?
done
echo "em_xvfb: no free display number" >&2
exit 1
