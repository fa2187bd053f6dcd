#!/usr/bin/env bash
# Builds the program in Release and starts it. Arguments are passed on (a sheet file to open).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh

cmake --preset release >/dev/null
cmake --build --preset release --target ravnelok-calc
if [ $# -eq 0 ]; then
  set -- examples/cylinder.rlk
fi
exec ./build/release/ravnelok-calc "$@"
