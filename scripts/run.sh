#!/usr/bin/env bash
# Builds Kalvora and starts it; arguments are passed on (an optional database path).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kalvora
exec build/default/src/kalvora "$@"
