#!/usr/bin/env bash
# Fails when a folder of src/ includes a folder above it, or when a UI text is taken by number. The layers, from the bottom up; a
# folder may include its own layer's headers and those of the layers below.
set -euo pipefail
cd "$(dirname "$0")/../src"

layers=(text numbers document expression sheet graphics files output editing app "cli gui")

declare -A rank
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do rank[$folder]=$i; done
done

status=0
for folder in */; do
  folder=${folder%/}
  if [ -z "${rank[$folder]+x}" ]; then
    echo "src/$folder is in no layer: add it to tools/check_layers.sh"
    status=1
    continue
  fi
  while IFS=: read -r file line target; do
    target=${target#*\"}
    target=${target%%/*}
    [ "$target" = "$folder" ] && continue
    [ -n "${rank[$target]+x}" ] || continue
    if [ "${rank[$target]}" -ge "${rank[$folder]}" ]; then
      echo "src/$file:$line: $folder includes $target, which is not below it"
      status=1
    fi
  done < <(grep -rnE '^\s*#\s*include\s*"[a-z_]+/' "$folder" || true)
done
# UI texts are named (TextId), never indexed by number.
if grep -rnE 'texts\[[0-9]|texts\.(Set|Caption)\([0-9]' . ; then
  echo "UI texts indexed by number: use TextId"
  status=1
fi
[ "$status" = 0 ] && echo "layers: every include points downwards; UI texts by name"
exit $status
