#!/usr/bin/env bash
# Builds the core, its tests and the fuzz targets with clang's source-based coverage, runs the
# core test suite, replays the fuzz targets' seed corpora (fuzz/corpus, no fuzzing) and reports
# branch coverage per folder of src/ (the whole report goes to build/coverage/report.txt).
#   COVERAGE_SUITE_ONLY=1: the test suite alone, without the corpora
set -euo pipefail
cd "$(dirname "$0")/.."

profdata=$(command -v llvm-profdata-14 || command -v llvm-profdata)
cov=$(command -v llvm-cov-14 || command -v llvm-cov)

cmake --preset coverage >/dev/null
targets="evaluate line sheet_file texts editing"
cmake --build --preset coverage --target ravnelok_tests $(for t in $targets; do echo "${t}_fuzz"; done)

out=build/coverage
rm -f "$out"/profiles/*.profraw
mkdir -p "$out/profiles"
# The tests start the command-line program too; every process writes its own profile.
LLVM_PROFILE_FILE="$PWD/$out/profiles/%p.profraw" QT_QPA_PLATFORM=offscreen \
  "$out/tests/ravnelok_tests" --gtest_brief=1
objects=(-object "$out/ravnelok-calc")
if [ -z "${COVERAGE_SUITE_ONLY:-}" ]; then
  for t in $targets; do
    LLVM_PROFILE_FILE="$PWD/$out/profiles/$t-%p.profraw" \
      "$out/fuzz/${t}_fuzz" -runs=0 "fuzz/corpus/$t" 2>&1 | grep -E '^(Done|==)' || true
    objects+=(-object "$out/fuzz/${t}_fuzz")
  done
fi
"$profdata" merge -sparse "$out"/profiles/*.profraw -o "$out/tests.profdata"
"$cov" report "$out/tests/ravnelok_tests" "${objects[@]}" \
  -instr-profile="$out/tests.profdata" "$PWD/src" -ignore-filename-regex='src/(gui|cli)/' \
  >"$out/report.txt"

# Per folder: branches and the covered share, from the per-file lines of the report (columns:
# file, regions, missed, cover, functions, missed, executed, lines, missed, cover, branches,
# missed, cover).
awk -v root="$PWD/src/" '
  index($1, root) == 1 || $1 ~ /^[a-z_]+\// {
    f = $1; sub(root, "", f); split(f, p, "/"); d = p[1];
    branches[d] += $11; missed[d] += $12
  }
  END {
    for (d in branches) {
      c = branches[d] ? 100 * (branches[d] - missed[d]) / branches[d] : 100;
      printf "%-12s %9d %7d %7.1f%%\n", d, branches[d], missed[d], c
    }
  }' "$out/report.txt" | sort | { printf "%-12s %9s %7s %8s\n" folder branches missed covered; cat; }
