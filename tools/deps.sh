#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when missing; more
# packages may be named as arguments (tools/package_check.sh names its checkers).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n libcli11-dev
  xvfb xauth x11-apps x11-utils imagemagick poppler-utils openbox xdotool
  fonts-dejavu-core fonts-liberation
  locales
  libclang-rt-dev  # FuzzedDataProvider.h: the tests replay the fuzz corpora
  "$@"
)
# The fuzz script's extras: clang with libFuzzer and its sanitizer runtimes.
[ "${FUZZ_DEPS:-}" = 1 ] && packages+=(clang)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep "install ok installed" >/dev/null || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
