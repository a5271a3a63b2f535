#!/usr/bin/env bash
# Screenshot of the window after a run, for the README.
#
#   tools/captura_janela.sh [--paralelo | --experimento | --ampliada | --reproducao]
#                           [BUILD_DIR] [OUTPUT_PNG]
#
# With --paralelo the box "AG Paralelo (Pop. X e Y)" is checked before the run (default output
# docs/janela-paralelo.png). With --experimento the page "Experimento" compares 30 repetitions
# of the start values with 30 at mutation rate 10 instead (default output docs/experimento.png),
# under a decimal comma. With --ampliada the same two experiments are then shown in the page's
# enlarged window, in the view of their run-time distributions, and only that window is saved
# (default output docs/experimento-ampliada.png). With --reproducao, after the run, a click on
# the chart's first point and four steps with the Right key show generation 5 again (default
# output docs/reproducao.png).
# Starts BUILD_DIR/app/quivora (BUILD_DIR defaults to build/padrao) maximised on a virtual
# 1024x768 screen, chooses the stop criterion "n Gerações" (so the run makes all 60
# generations), presses the run button, waits until the screen stops changing and saves it
# (default docs/janela.png). Needs xvfb-run, xdotool and ImageMagick.
set -euo pipefail

paralelo=0
experimento=0
reproducao=0
padrao=janela.png
if [[ ${1:-} == --paralelo ]]; then
    paralelo=1
    padrao=janela-paralelo.png
    shift
elif [[ ${1:-} == --reproducao ]]; then
    reproducao=1
    padrao=reproducao.png
    shift
elif [[ ${1:-} == --experimento ]]; then
    experimento=1
    padrao=experimento.png
    shift
elif [[ ${1:-} == --ampliada ]]; then
    experimento=2
    padrao=experimento-ampliada.png
    shift
fi
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$raiz/build/padrao}
saida=${2:-$raiz/docs/$padrao}
programa=$build/app/quivora
[[ -x $programa ]] || { echo "captura_janela: $programa not built" >&2; exit 1; }
mkdir -p "$(dirname "$saida")"

export PROGRAMA=$programa SAIDA=$saida PARALELO=$paralelo EXPERIMENTO=$experimento
export REPRODUCAO=$reproducao
if [[ $experimento != 0 ]]; then
    export LC_NUMERIC=pt_BR.UTF-8
fi
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    "$PROGRAMA" & pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    janela=$(xdotool search --sync --onlyvisible --name "^Quivora ")
    # No window manager runs here to honour "maximised": give the window the whole screen.
    xdotool windowmove "$janela" 0 0 windowsize "$janela" 1024 768
    sleep 1
    if [[ $EXPERIMENTO != 0 ]]; then
        # The page "Experimento" (third tab), "Executar experimento", then seven steps up of
        # "Taxa de Mutação (%)" and a second experiment.
        xdotool mousemove --window "$janela" 178 367 click 1
        sleep 0.5
        xdotool mousemove --window "$janela" 178 392 click 1
        sleep 3
        for _ in $(seq 7); do
            xdotool mousemove --window "$janela" 710 196 click 1
            sleep 0.2
        done
        xdotool mousemove --window "$janela" 178 392 click 1
        sleep 4
        alvo=root
        if [[ $EXPERIMENTO == 2 ]]; then
            # A double-click on the page'"'"'s chart, then the second view of the window'"'"'s list.
            xdotool mousemove --window "$janela" 300 445 click --repeat 2 --delay 50 1
            alvo=$(xdotool search --sync --onlyvisible --name "^Experimento ")
            sleep 1
            xdotool mousemove --window "$alvo" 150 15 click 1
            sleep 0.5
            xdotool key Down Return
            sleep 1
        fi
        xdotool mousemove 1000 700
        sleep 1
        import -window "$alvo" "$SAIDA.tmp.png"
        install -m 644 "$SAIDA.tmp.png" "$SAIDA"
        rm -f "$SAIDA.tmp.png"
        exit 0
    fi
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
    # Out of the way, and off the status line, whose controls would show their hints.
    xdotool mousemove 1000 700
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
    if [[ $REPRODUCAO == 1 ]]; then
        # Left of the first point, on the fitness axis, a click picks generation 1 and gives
        # the chart the keyboard.
        xdotool mousemove --window "$janela" 138 460 click 1
        sleep 0.5
        xdotool key Right Right Right Right
        xdotool mousemove 1000 700
        sleep 1
        import -window root "$atual"
    fi
    install -m 644 "$atual" "$SAIDA"
    rm -f "$anterior" "$atual"
'
echo "captura_janela: wrote $saida"
