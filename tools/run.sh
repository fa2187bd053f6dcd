#!/usr/bin/env bash
# Builds the desktop program in Release and starts it; an argument names a sheet to open.
# It runs in its build folder, where its help file lies.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh

cmake --preset release >/dev/null
cmake --build --preset release --target ravnelok ravnelok-calc
args=()
for a in "$@"; do
  if [ -e "$a" ]; then args+=("$(cd "$(dirname "$a")" && pwd)/$(basename "$a")"); else args+=("$a"); fi
done
cd build/release/src/gui
exec ./ravnelok "${args[@]}"
