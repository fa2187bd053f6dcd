#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake --preset debug -DRAVNELOK_WERROR=$werror >/dev/null
cmake --build --preset debug
ctest --preset debug "$@"
