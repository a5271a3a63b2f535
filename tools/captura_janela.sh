#!/usr/bin/env bash
# Screenshot of the window after a run, for the README.
#
#   tools/captura_janela.sh [--paralelo] [BUILD_DIR] [OUTPUT_PNG]
#
# With --paralelo the box "AG Paralelo (Pop. X e Y)" is checked before the run.
# Starts BUILD_DIR/app/quivora (BUILD_DIR defaults to build/padrao) maximised on a virtual
# 1024x768 screen, chooses the stop criterion "n Gerações" (so the run makes all 60
# generations), presses the run button, waits until the screen stops changing and saves it
# (default docs/janela.png). Needs xvfb-run, xdotool and ImageMagick.
set -euo pipefail

paralelo=0
if [[ ${1:-} == --paralelo ]]; then
    paralelo=1
    shift
fi
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$raiz/build/padrao}
saida=${2:-$raiz/docs/janela.png}
programa=$build/app/quivora
[[ -x $programa ]] || { echo "captura_janela: $programa not built" >&2; exit 1; }
mkdir -p "$(dirname "$saida")"

export PROGRAMA=$programa SAIDA=$saida PARALELO=$paralelo
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    "$PROGRAMA" & pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    janela=$(xdotool search --sync --onlyvisible --name "^Quivora ")
    # No window manager runs here to honour "maximised": give the window the whole screen.
    xdotool windowmove "$janela" 0 0 windowsize "$janela" 1024 768
    sleep 1
    if [[ $PARALELO == 1 ]]; then
        xdotool mousemove --window "$janela" 632 417 click 1  # "AG Paralelo (Pop. X e Y)"
        sleep 0.5
    fi
    # Client coordinates of the designed layout (the window has no frame without a window
    # manager): "Critério de Parada" list, then the run button, both inside Panel1 at (514, 4).
    xdotool mousemove --window "$janela" 715 336 click 1
    sleep 1
    xdotool key Home Return
    sleep 0.5
    xdotool mousemove --window "$janela" 570 390 click 1
    xdotool mousemove 1000 760
    # The chart and the surface change with every generation: the run is over once two
    # screens a second apart are the same.
    anterior=$(mktemp --suffix=.png) atual=$(mktemp --suffix=.png)
    import -window root "$anterior"
    for _ in $(seq 120); do
        sleep 1
        import -window root "$atual"
        if [[ $(compare -metric AE "$anterior" "$atual" null: 2>&1) == 0 ]]; then
            break
        fi
        cp "$atual" "$anterior"
    done
    install -m 644 "$atual" "$SAIDA"
    rm -f "$anterior" "$atual"
'
echo "captura_janela: wrote $saida"
