#!/bin/sh
# Every catalogue is complete and current: gathered afresh from the sources,
# no message is left unfinished and none has vanished from the code.
# Usage: translations.sh LUPDATE SOURCE_LIST TS_FILE...
set -eu
lupdate=$1 sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  # shellcheck disable=SC2046
  "$lupdate" -silent -locations none $(cat "$sources") -ts "$copy" >/dev/null
  for kind in unfinished vanished obsolete; do
    count=$(grep -c "type=\"$kind\"" "$copy" || true)
    if [ "$count" -gt 0 ]; then
      echo "$(basename "$ts"): $count $kind message(s):" >&2
      grep -B3 "type=\"$kind\"" "$copy" | grep '<source>' | head -20 >&2
      status=1
    fi
  done
done
exit $status
