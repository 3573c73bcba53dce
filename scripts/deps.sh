#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some are missing.
set -euo pipefail
pkgs=(cmake ninja-build g++ ccache pkg-config
      qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev libical-dev python3-icalendar
      fonts-liberation xvfb xauth xdotool x11-utils poppler-utils jq
      qt6-translations-l10n)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
