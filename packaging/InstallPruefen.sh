#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and checks the layout; runs the desktop-entry and
# AppStream validators when they are installed. Arguments: build folder, project version.
set -euo pipefail
bau=$1 version=$2
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
cmake --install "$bau" --prefix "$ziel" >/dev/null

fehler=0
for f in bin/kalvora bin/kalvora-admin \
         share/applications/kalvora.desktop share/metainfo/de.tervolan.kalvora.metainfo.xml \
         share/icons/hicolor/scalable/apps/kalvora.svg share/icons/hicolor/128x128/apps/kalvora.png \
         share/man/man1/kalvora.1 share/man/man1/kalvora-admin.1 \
         share/doc/kalvora/QuickStart.pdf share/doc/kalvora/LICENSE; do
    [ -s "$ziel/$f" ] || { echo "fehlt: $f"; fehler=1; }
done
# Nothing but the programs in bin/.
andere=$(ls "$ziel/bin" | grep -vx -e kalvora -e kalvora-admin || true)
[ -z "$andere" ] || { echo "unerwartet in bin/: $andere"; fehler=1; }

[ "$("$ziel/bin/kalvora-admin" --version)" = "kalvora-admin $version" ] || { echo "--version falsch"; fehler=1; }
grep -q "<release version=\"$version\"" "$ziel/share/metainfo/de.tervolan.kalvora.metainfo.xml" ||
    { echo "metainfo: keine Release $version"; fehler=1; }
for m in kalvora kalvora-admin; do
    grep -q "\"Kalvora $version\"" "$ziel/share/man/man1/$m.1" || { echo "$m.1: nicht Version $version"; fehler=1; }
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$ziel/share/applications/kalvora.desktop" || fehler=1
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic "$ziel/share/metainfo/de.tervolan.kalvora.metainfo.xml" || fehler=1
fi
exit $fehler
