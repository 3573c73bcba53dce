#!/usr/bin/env bash
# Builds Kalvora and starts it; arguments are passed on (an optional database path).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
# The administration tool and the quick-start guide come with the program.
cmake --build --preset default --target kalvora kalvora-admin kalvora_quickstart
exec build/default/src/kalvora "$@"
