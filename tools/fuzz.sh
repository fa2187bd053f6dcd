#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer,
# self-check on) and runs each for a bounded time; any finding fails. Seeds come from
# fuzz/corpus/<target>; what the fuzzer adds goes to build/fuzz/corpus/<target>, and a finding to
# build/fuzz/findings/.
#   FUZZ_SECONDS=25 (per target)  FUZZ_TARGETS="evaluate line ..." (default all)
#   FUZZ_SEED=N: the same inputs in the same order on every run (CI); unset, a new seed each run
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_DEPS=1 bash tools/deps.sh

seconds=${FUZZ_SECONDS:-25}
targets=${FUZZ_TARGETS:-"evaluate line sheet_file texts editing"}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build/fuzz/findings
for t in $targets; do
  echo "== fuzz $t for ${seconds}s"
  mkdir -p "build/fuzz/corpus/$t"
  build/fuzz/fuzz/${t}_fuzz ${FUZZ_SEED:+-seed="$FUZZ_SEED"} -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build/fuzz/findings/${t}-" \
    "build/fuzz/corpus/$t" "fuzz/corpus/$t" 2>&1 | grep -v '^#[0-9]*\s*\(NEW\|REDUCE\|pulse\)' ||
    { echo "fuzz $t: finding in build/fuzz/findings/"; exit 1; }
done
