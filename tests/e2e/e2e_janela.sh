#!/usr/bin/env bash
# End to end, as a person uses the program: starts the real window program on a virtual
# screen of its own, drives it with real X input (xdotool) and judges it by what the screen
# shows (ImageMagick's import, and AnalisaTela for the pixels) and by what the report page
# copies to the clipboard (xclip).
#
#   e2e_janela.sh QUIVORA INSPECIONA_TELA ARTEFATOS_DIR
#
# Chooses "n Gerações" and a limit of 20 generations, runs, and checks that the chart shows
# its lines, that the 3D view shows the surface with the population and its best point, that
# a right drag turns the view and names the drag, that "Inclinada" brings back the very same
# picture, and that the page "Relatório" holds the 90 lines of a 20-generation run. The
# screenshots and the copied report stay in ARTEFATOS_DIR.
set -euo pipefail

if [[ $# -ne 3 ]]; then
    echo "usage: $0 QUIVORA ANALISA_TELA ARTEFATOS_DIR" >&2
    exit 2
fi

# The window's layout assumes one screen of a known size: run again under a virtual X
# server of our own, whatever display the caller has. -noreset keeps the server up if the
# program dies, so that the checks below can say so.
if [[ -z ${QUIVORA_E2E_TELA:-} ]]; then
    export QUIVORA_E2E_TELA=1
    exec bash "$(dirname "$0")/../em_xvfb.sh" "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
fi

programa=$1
analisa=$2
artefatos=$3
for ferramenta in xdotool import xclip; do
    command -v "$ferramenta" >/dev/null || { echo "e2e: $ferramenta is not installed" >&2; exit 1; }
done
mkdir -p "$artefatos"
rm -f "$artefatos"/*.png "$artefatos"/relatorio.txt "$artefatos"/quivora.log
tmp=$(mktemp -d)
pid=""

termina() {
    if [[ -n $pid ]]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap termina EXIT
trap 'exit 1' TERM INT HUP  # a stopped test still ends the program (the EXIT trap)

falha() {
    echo "e2e: FAILED: $*" >&2
    echo "e2e: screenshots so far in $artefatos" >&2
    if [[ -s $artefatos/quivora.log ]]; then
        echo "e2e: quivora's output:" >&2
        sed 's/^/    /' "$artefatos/quivora.log" >&2
    fi
    exit 1
}

# A command that fails stops the test; say which, and whether the program had died.
erro() {
    if [[ -n $pid ]] && ! kill -0 "$pid" 2>/dev/null; then
        falha "quivora ended by itself (noticed at line $1)"
    fi
    falha "line $1: '$2' failed"
}
set -E
trap 'erro $LINENO "$BASH_COMMAND"' ERR

ok() {
    echo "e2e: ok: $*"
}

vivo() {
    kill -0 "$pid" 2>/dev/null || falha "quivora ended by itself ($1)"
}

# Client coordinates of the designed layout. Without a window manager the window has no
# frame, and it is placed at the screen's origin: client and screen coordinates agree.
GL="9 49 500 300"                # GLPanel1, the 3D view
MOVIMENTACAO="114 21 116 21"     # StaticText1, under "Movimentação em uso"
PAGINAS="7 354 503 202"          # PageControl1, pages "Gráfico" and "Relatório"
ESQUERDA="0 0 512 560"           # the 3D view, its controls and the pages
PAINEL="514 0 510 560"           # the parameter panel and the space right of it
INCLINADA=(270 31)               # SpeedButton1 (233, 18) 75 x 27, "Inclinada"
LIM_GER=(670 238)                # edit field of pcLimGer, Panel1 (514, 4) + (136, 223)
CRIT_PARADA=(715 336)            # pcCritParada, Panel1 + (136, 322), 130 x 21
EXECUTA=(570 390)                # SpeedButton5, Panel1 + (11, 347), 90 x 79
ABA_RELATORIO=(101 366)          # the second tab of PageControl1
RELATORIO=(250 450)              # inside Visualizar, the page "Relatório"'s text box
ARRASTO_INICIO=(309 249)         # GLPanel1 + (300, 200)
ARRASTO=(439 309)                # GLPanel1 + (430, 260): 250 right of and 80 below (180, 180)
FORA=(1000 760)                  # plain screen, away from every control

# Colour classes, as channel bounds R G B. The surface is red to violet (no green at all);
# individuals are pure green points, the best one yellow; the chart's fitness lines lime.
SUPERFICIE="100 255 0 40 0 255"
VERDE="0 60 200 255 0 60"
AMARELO="200 255 200 255 0 60"
TEXTO_LIMA="0 100 128 255 0 100"

conta() {  # conta IMAGE "X Y W H" "RMIN RMAX GMIN GMAX BMIN BMAX"
    # shellcheck disable=SC2086  # the rectangle and the bounds are lists of numbers
    "$analisa" conta "$1" $2 $3
}

difere() {  # difere IMAGE1 IMAGE2 "X Y W H"
    # shellcheck disable=SC2086
    "$analisa" difere "$1" "$2" $3
}

clica() {
    xdotool mousemove "$1" "$2" click 1
}

afasta_ponteiro() {  # so that no hover highlight is in the pictures
    xdotool mousemove "${FORA[@]}"
}

tela() {
    import -window root "$1"
}

# The machine may be slow (software OpenGL, sanitizers): every wait polls, bounded by this.
ESPERA_MAX=120
INTERVALO=0.5
QUIETO=3  # consecutive equal screenshots, INTERVALO apart, that make a still screen

# Saves to $1 a screenshot taken once the rectangle $2 has stopped changing.
fotografa_parada() {
    local destino=$1 retangulo=$2 iguais=0 diferentes limite=$((SECONDS + ESPERA_MAX))
    tela "$tmp/antes.png"
    while ((iguais < QUIETO)); do
        ((SECONDS < limite)) || falha "the screen (${retangulo}) kept changing for ${ESPERA_MAX} s"
        sleep "$INTERVALO"
        tela "$tmp/agora.png"
        diferentes=$(difere "$tmp/antes.png" "$tmp/agora.png" "$retangulo")
        if ((diferentes == 0)); then
            iguais=$((iguais + 1))
        else
            iguais=0
        fi
        mv "$tmp/agora.png" "$tmp/antes.png"
    done
    mv "$tmp/antes.png" "$destino"
}

# Waits until the rectangle $2 differs from the picture $1 (what it showed before an action).
espera_mudanca() {
    local referencia=$1 retangulo=$2 oque=$3 diferentes limite=$((SECONDS + ESPERA_MAX))
    while :; do
        tela "$tmp/agora.png"
        diferentes=$(difere "$referencia" "$tmp/agora.png" "$retangulo")
        ((diferentes == 0)) || return 0
        ((SECONDS < limite)) || falha "$oque: the screen (${retangulo}) did not change in ${ESPERA_MAX} s"
        sleep "$INTERVALO"
    done
}

# 1. Start. With no window manager nothing maximises the window: give it the whole screen.
#    The input focus then activates it, and the activation draws the 3D view.
inicio=$SECONDS
"$programa" >"$artefatos/quivora.log" 2>&1 &
pid=$!
janela=$(timeout "$ESPERA_MAX" xdotool search --sync --onlyvisible --name "^Quivora " | head -n 1) ||
    true
[[ -n $janela ]] || { vivo "before showing its window"; falha "no window titled Quivora appeared"; }
xdotool windowmove "$janela" 0 0 windowsize "$janela" 1024 768
xdotool windowfocus --sync "$janela"
afasta_ponteiro
fotografa_parada "$artefatos/1_inicio.png" "$ESQUERDA"
vivo "at start"
echo "e2e: window up after $((SECONDS - inicio)) s"

superficie=$(conta "$artefatos/1_inicio.png" "$GL" "$SUPERFICIE")
verdes=$(conta "$artefatos/1_inicio.png" "$GL" "$VERDE")
((superficie >= 5000)) || falha "at start the 3D view shows no surface ($superficie red-violet pixels)"
((verdes == 0)) || falha "at start, before any run, the 3D view shows $verdes green pixels"
texto=$(conta "$artefatos/1_inicio.png" "$MOVIMENTACAO" "$TEXTO_LIMA")
((texto == 0)) || falha "at start \"Movimentação em uso\" already shows text ($texto lime pixels)"
lima_antes=$(conta "$artefatos/1_inicio.png" "$PAGINAS" "$VERDE")
ok "start: surface drawn ($superficie pixels), no population, no drag named"

# 2. Limit of generations 60 -> 20: the spin edit refuses typed digits, so step it down
#    with the Down key, 8 steps of 5. Then the stop criterion "n Gerações", the first item
#    of its list: open the list, wait for it, Home, Return.
clica "${LIM_GER[@]}"
for _ in 1 2 3 4 5 6 7 8; do
    xdotool key Down
done
tela "$tmp/painel.png"
clica "${CRIT_PARADA[@]}"
espera_mudanca "$tmp/painel.png" "$PAINEL" "opening the list \"Critério de Parada\""
fotografa_parada "$tmp/lista.png" "$PAINEL"
xdotool key Home Return
espera_mudanca "$tmp/lista.png" "$PAINEL" "closing the list \"Critério de Parada\""
afasta_ponteiro
fotografa_parada "$artefatos/2_parametros.png" "$PAINEL"
vivo "while setting the parameters"

# 3. The run. It draws the chart and the 3D view after every generation and takes no input
#    until it ends: it has ended once the left part of the window stands still.
tela "$tmp/antes_execucao.png"
inicio=$SECONDS
clica "${EXECUTA[@]}"
afasta_ponteiro
espera_mudanca "$tmp/antes_execucao.png" "$ESQUERDA" "the run"
fotografa_parada "$artefatos/3_apos_execucao.png" "$ESQUERDA"
vivo "during the run"
echo "e2e: run over and still after $((SECONDS - inicio)) s"

depois=$artefatos/3_apos_execucao.png
lima=$(($(conta "$depois" "$PAGINAS" "$VERDE") - lima_antes))
((lima >= 200)) || falha "the chart shows no fitness lines ($lima lime pixels more than before the run)"
superficie=$(conta "$depois" "$GL" "$SUPERFICIE")
verdes=$(conta "$depois" "$GL" "$VERDE")
amarelos=$(conta "$depois" "$GL" "$AMARELO")
((superficie >= 5000)) || falha "after the run the 3D view shows no surface ($superficie pixels)"
((verdes >= 8)) || falha "after the run the 3D view shows no population ($verdes green pixels)"
((amarelos >= 4)) || falha "after the run the 3D view shows no best point ($amarelos yellow pixels)"
ok "chart lines ($lima lime pixels); 3D view: surface $superficie, population $verdes, best point $amarelos pixels"

# 4. A right drag turns the view: press on the panel, move the pointer to and fro right of
#    and below the panel point (180, 180), where each move turns it by some degrees, release.
xdotool mousemove "${ARRASTO_INICIO[@]}" mousedown 3
for _ in 1 2 3 4 5; do
    xdotool mousemove "${ARRASTO[@]}"
    xdotool mousemove $((ARRASTO[0] + 1)) $((ARRASTO[1] + 1))
done
xdotool mouseup 3
afasta_ponteiro
espera_mudanca "$depois" "$GL" "the right drag"
fotografa_parada "$artefatos/4_apos_arrasto.png" "$ESQUERDA"
vivo "during the drag"
mudou=$(difere "$depois" "$artefatos/4_apos_arrasto.png" "$GL")
((mudou >= 1000)) || falha "the right drag hardly changed the 3D view ($mudou pixels)"
texto=$(conta "$artefatos/4_apos_arrasto.png" "$MOVIMENTACAO" "$TEXTO_LIMA")
((texto >= 20)) || falha "after the drag \"Movimentação em uso\" names no drag ($texto lime pixels)"
ok "right drag: $mudou pixels of the 3D view changed, the drag is named ($texto lime pixels)"

# 5. "Inclinada" restores the view the run ended with, to the pixel.
clica "${INCLINADA[@]}"
afasta_ponteiro
espera_mudanca "$artefatos/4_apos_arrasto.png" "$GL" "the button \"Inclinada\""
fotografa_parada "$artefatos/5_inclinada.png" "$ESQUERDA"
vivo "after \"Inclinada\""
resto=$(difere "$depois" "$artefatos/5_inclinada.png" "$GL")
((resto == 0)) || falha "\"Inclinada\" did not restore the 3D view: $resto pixels differ from before the drag"
texto=$(conta "$artefatos/5_inclinada.png" "$MOVIMENTACAO" "$TEXTO_LIMA")
((texto >= 20)) || falha "\"Inclinada\" cleared the name of the last drag"
ok "\"Inclinada\" restored the 3D view pixel for pixel"

# 6. The page "Relatório": open its tab, select the whole report and copy it.
tela "$tmp/grafico.png"
clica "${ABA_RELATORIO[@]}"
espera_mudanca "$tmp/grafico.png" "$PAGINAS" "the tab \"Relatório\""
clica "${RELATORIO[@]}"
xdotool key ctrl+a ctrl+c
relatorio=$artefatos/relatorio.txt
limite=$((SECONDS + ESPERA_MAX))
until timeout 10 xclip -o -selection clipboard -t UTF8_STRING >"$relatorio" 2>/dev/null &&
    [[ -s $relatorio ]]; do
    ((SECONDS < limite)) || falha "nothing came to the clipboard from the page \"Relatório\""
    sleep "$INTERVALO"
done
afasta_ponteiro
tela "$artefatos/6_relatorio.png"
vivo "on the page \"Relatório\""

linhas=$(awk 'END { print NR }' "$relatorio")
((linhas == 90)) ||
    falha "the report has $linhas lines, not the 90 of a 20-generation run (copy in $relatorio)"
primeira=$(head -n 1 "$relatorio")
[[ $primeira == "Tipo de Algoritmo:  Algoritmo Genético Simples" ]] ||
    falha "the report's first line is '$primeira'"
segunda=$(sed -n 2p "$relatorio")
[[ $segunda == "População Inicial com 30 Indivíduos de Comprimento 20" ]] ||
    falha "the report's second line is '$segunda'"
grep -qx "Geração 20" "$relatorio" || falha "the report has no line \"Geração 20\""
! grep -qx "Geração 21" "$relatorio" || falha "the report goes on past generation 20"
ok "the page \"Relatório\" holds the report: $linhas lines, generations 0 to 20"

echo "e2e: artefacts:"
for arquivo in "$artefatos"/*.png "$relatorio"; do
    echo "    $arquivo"
done
echo "e2e: every check passed"
