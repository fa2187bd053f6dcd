#!/usr/bin/env bash
# Builds the Debian package and proves it as a user would meet it: lintian finds no error or
# warning, the desktop entries and the metainfo validate; installed with apt-get, .rlk files get
# our type and our program, the installed program opens examples/kast.rlk from a folder that
# holds nothing of ours, shows the computed values (read back from a screenshot) and its help on
# F1; ravnelok-calc works; removed again, nothing of it stays. Needs root (installs packages).
#
#   tools/package_check.sh        # results in build/package-check/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
results=$root/build/package-check
rm -rf "$results"
mkdir -p "$results"

say() { echo "package: $*"; }
fail() {
  echo "package: FAILED: $*" >&2
  exit 1
}

# The checkers, and tesseract to read the screenshots.
bash tools/deps.sh lintian desktop-file-utils appstream xdg-utils shared-mime-info \
  libfile-mimeinfo-perl dpkg-dev file tesseract-ocr tesseract-ocr-eng

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
apt_get() { DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -y -qq "$@"; }

# A package left over from an earlier run would hide what this one installs.
if dpkg-query -W -f='${Status}' ravnelok 2>/dev/null | grep -q installed; then
  apt_get remove --purge ravnelok >/dev/null
fi

say "building the package (Release, prefix /usr)"
cmake --preset package >/dev/null
cmake --build --preset package
rm -f build/package/ravnelok_*.deb
(cd build/package && cpack -G DEB >"$results/cpack.log")
deb=$(ls build/package/ravnelok_*.deb)
deb=$root/$deb
version=$(dpkg-deb -f "$deb" Version)
say "$(basename "$deb"): $(stat -c %s "$deb") bytes, version $version"
[ "$version" = "$(sed -n 's/^project(ravnelok VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" ] ||
  fail "the package's version is not the project's"
dpkg-deb -I "$deb" >"$results/dpkg-info.txt"
dpkg-deb -c "$deb" >"$results/dpkg-c.txt"

say "lintian"
lintian --display-level '>=info' --tag-display-limit 0 "$deb" >"$results/lintian.txt" 2>&1 ||
  true
cat "$results/lintian.txt"
if grep -q '^[EW]:' "$results/lintian.txt"; then fail "lintian reports errors or warnings"; fi
say "lintian: no errors, no warnings"

say "desktop entries and metainfo"
desktop-file-validate build/package/packaging/ravnelok.desktop build/package/packaging/ravnekal.desktop
appstreamcli validate --no-net build/package/packaging/*.metainfo.xml

# From here on the package is installed; whatever happens, it goes again.
work=$(mktemp -d)
app_pid=""
# shellcheck source=tools/x_session.sh
source "$root/tools/x_session.sh"
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  x_session_stop
  if dpkg-query -W -f='${Status}' ravnelok 2>/dev/null | grep -q installed; then
    apt_get remove --purge ravnelok >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

say "apt-get install ./$(basename "$deb")"
apt_get install "$deb" >"$results/install.log"
dpkg -L ravnelok | sort >"$results/files.txt"
[ "$(command -v ravnelok)" = /usr/bin/ravnelok ] || fail "ravnelok is not /usr/bin/ravnelok"

# A user of our own with nothing set up: the file type and its program come from the system.
mkdir -p "$work/home" "$work/empty"
export HOME=$work/home
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_DATA_DIRS XDG_CURRENT_DESKTOP
sheet=$root/examples/kast.rlk
type=$(xdg-mime query filetype "$sheet")
default=$(xdg-mime query default "$type")
say "xdg-mime: kast.rlk is $type, opened by $default"
[ "$type" = application/x-ravnelok ] || fail "kast.rlk is not application/x-ravnelok"
[ "$default" = ravnelok.desktop ] || fail "application/x-ravnelok does not open with ravnelok.desktop"

say "the installed command-line programs"
[ "$(ravnelok-calc --version)" = "ravnelok-calc $version" ] || fail "ravnelok-calc --version"
[ "$(env -u DISPLAY ravnelok --version)" = "ravnelok $version" ] || fail "ravnelok --version"
(cd "$work/empty" && ravnelok-calc "$root/examples/tilbud.rlk") >"$results/tilbud.txt"
cmp "$results/tilbud.txt" tests/data/tilbud.txt || fail "ravnelok-calc gives another tilbud.rlk"
man -w ravnelok-calc ravnelok >/dev/null || fail "no manual pages"

say "the installed desktop program under Xvfb, started as its menu entries start it"
x_session_start "$work" || fail "no X session"
# A window on the screen whose name matches the pattern NAME whole.
window_up() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
wait_for_window() {
  for _ in $(seq 150); do
    window_up "$1" && return 0
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  cat "$work/app.log" >&2
  return 1
}
# Reads a screenshot's text: enlarged and grey, tesseract reads the sheet's small font.
read_text() {
  convert "$1" -colorspace Gray -resize 200% "$work/ocr.png"
  tesseract "$work/ocr.png" - --psm 11 2>/dev/null
}

# Starts the Exec line of the installed desktop entry ENTRY on kast.rlk from a folder that holds
# nothing of ours, waits for the main window (CAPTION, a pattern), reads the computed values
# from a screenshot (NAME.png), presses F1 and reads HELP_WORD in the help window (PRODUCT),
# which only the installed help file can show (NAME-help.png).
check_edition() {
  local entry=$1 caption=$2 product=$3 help_word=$4 name=$5
  local exec_line words=() word missing=() window
  exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$entry")
  read -ra words <<<"$exec_line"
  for i in "${!words[@]}"; do [ "${words[$i]}" = %f ] && words[i]=$sheet; done
  say "$entry: ${words[*]}"
  (cd "$work/empty" && QT_QPA_PLATFORM=xcb exec "${words[@]}") >"$work/app.log" 2>&1 &
  app_pid=$!
  wait_for_window "$caption" || fail "$entry: the main window did not come up"
  sleep 2
  import -window root "$results/$name.png"
  # The values only a recalculation gives, as the sheet shows them, and a name.
  read_text "$results/$name.png" >"$results/$name.txt"
  for word in 16.383 11.472 2.336 38.28 6.70 vinkel; do
    grep -qF "$word" "$results/$name.txt" || missing+=("$word")
  done
  say "$entry: the sheet shows $((6 - ${#missing[@]})) of 6 texts looked for${missing[*]:+ (not read: ${missing[*]})}"
  [ ${#missing[@]} -le 1 ] || fail "$entry: the screenshot does not show the sheet's values"

  window=$(xdotool search --onlyvisible --name "^$caption\$" | head -n 1)
  xdotool windowactivate --sync "$window" key F1
  wait_for_window "$product" || fail "$entry: F1 opened no help window"
  sleep 1.5
  import -window root "$results/$name-help.png"
  read_text "$results/$name-help.png" >"$results/$name-help.txt"
  grep -qi "$help_word" "$results/$name-help.txt" || fail "$entry: the help window shows no help"
  say "$entry: F1 shows the installed help"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
}
check_edition ravnelok.desktop "Ravnelok  version $version" Ravnelok vejledning installed
check_edition ravnekal.desktop "Ravnekal +version $version" Ravnekal guide installed-english
x_session_stop

say "apt-get remove --purge ravnelok"
apt_get remove --purge ravnelok >"$results/remove.log"
left=()
while read -r path; do
  [ -e "$path" ] || continue
  # A folder that stays must be another package's (/usr/share/icons/hicolor/..., /usr/bin).
  if [ -d "$path" ] && dpkg-query -S "$path" >/dev/null 2>&1; then continue; fi
  left+=("$path")
done <"$results/files.txt"
[ ${#left[@]} -eq 0 ] || fail "left after removal: ${left[*]}"
type_after=$(xdg-mime query filetype "$sheet")
[ "$type_after" != application/x-ravnelok ] || fail "the file type stayed registered"
if grep -rqs ravnelok /usr/share/applications/mimeinfo.cache /usr/share/mime/types; then
  fail "the caches still name ravnelok"
fi
say "removed: none of its $(wc -l <"$results/files.txt") paths stays, .rlk is $type_after again"
say "ok"
