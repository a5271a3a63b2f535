#!/usr/bin/env bash
# Builds the Debian package from a build tree, has Debian's lintian judge it, checks its
# dependencies, unpacks it into a scratch root, validates its desktop entry and AppStream
# metainfo, and runs the installed programs from there.
#   testa_pacote.sh <build dir> <version>
set -euo pipefail
build=$1
versao=$2
raiz=$(mktemp -d)
trap 'rm -rf "$raiz"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$raiz/pacote" >"$raiz/cpack.log" ||
    { cat "$raiz/cpack.log"; exit 1; }
deb=$(ls "$raiz"/pacote/quivora_*.deb)

# A validator must succeed and say nothing but that it did: a hint or an info fails too.
calado() {
    local saida
    saida=$("$@" 2>&1) || { echo "$saida"; echo "$1 rejects the package"; exit 1; }
    saida=$(grep -v -e '^$' -e 'Validation was successful\.$' <<<"$saida" || true)
    [ -z "$saida" ] || { echo "$saida"; echo "$1 is not silent"; exit 1; }
}

lintian --fail-on error,warning "$deb" ||
    { echo "lintian finds errors or warnings in the package"; exit 1; }

# Every dependency names a Debian package that exists here (the test machine has them all).
dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | while read -r pacote; do
    dpkg-query -W -f='${Status}\n' "$pacote" | grep -q 'install ok installed' ||
        { echo "dependency $pacote is not an installed package"; exit 1; }
done

dpkg-deb -x "$deb" "$raiz/root"
for arquivo in usr/bin/quivora usr/bin/quivora-run usr/share/applications/quivora.desktop \
               usr/share/metainfo/org.quivora.quivora.metainfo.xml \
               usr/share/icons/hicolor/48x48/apps/quivora.png \
               usr/share/icons/hicolor/256x256/apps/quivora.png; do
    [ -e "$raiz/root/$arquivo" ] || { echo "missing in the package: $arquivo"; exit 1; }
done
calado desktop-file-validate "$raiz/root/usr/share/applications/quivora.desktop"
# validate-tree checks the metainfo as `appstreamcli validate` does, and also that its
# launchable desktop entry is in the tree.
calado appstreamcli validate-tree --no-net --pedantic "$raiz/root"

[ "$("$raiz/root/usr/bin/quivora-run" --version)" = "quivora-run $versao" ] ||
    { echo "quivora-run --version does not say $versao"; exit 1; }
[ "$("$raiz/root/usr/bin/quivora" --version)" = "quivora $versao" ] ||
    { echo "quivora --version does not say $versao"; exit 1; }
linhas=$(LANG=C "$raiz/root/usr/bin/quivora-run" --seed 1 --stop "n Gerações" --generations 10 | wc -l)
[ "$linhas" -eq 50 ] || { echo "the installed quivora-run wrote $linhas lines, not 50"; exit 1; }
echo "package $(basename "$deb") installs and runs"
