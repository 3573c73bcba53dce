#!/usr/bin/env bash
# Builds everything and runs all tests (unit, GUI offscreen, end-to-end under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default ${KALVORA_CMAKE_ARGS:-}
cmake --build --preset default
ctest --preset default -j2
