#!/bin/sh
# French typography in every French text a user reads: a no-break space
# (U+00A0 or the narrow U+202F) before : ; ! ? and inside « », never a plain
# one, which would let the sign start a line of its own.
# Usage: typography.sh SOURCE_DIR
set -eu
cd "$1"
export LC_ALL=C.UTF-8
status=0
check() { # check WHAT PATTERN FILE...: every line of FILE... that matches is a fault
  what=$1 pattern=$2
  shift 2
  if grep -nP "$pattern" "$@" >&2; then
    echo "French typography: $what (the lines above)" >&2
    status=1
  fi
}
texts=$(find assets -name '*_fr.txt')
catalogue=$(mktemp)
trap 'rm -f "$catalogue"' EXIT
# lupdate may write the no-break spaces as character references.
grep -P '<translation>' i18n/augurium_fr.ts | sed -e 's/&#x[aA]0;/\xc2\xa0/g' -e 's/&#x202[fF];/\xe2\x80\xaf/g' >"$catalogue"
grep -hE '^(Name|GenericName|Comment)\[fr\]=' assets/desktop/example.augurium.Augurium.desktop >>"$catalogue"
# An element of the AppStream text may run over several lines.
awk '/xml:lang="fr"/ { french = 1 } french { print } french && /<\// { french = 0 }' \
  assets/desktop/example.augurium.Augurium.metainfo.xml >>"$catalogue"
# A sign that ends a clause: followed by a blank, a closing quote or the end.
check "a plain space or none before : ; ! ?" \
  '(?<![\x{00A0}\x{202F}!?])[:;!?](?=[\s»<]|$)' $texts "$catalogue"
check "a plain space or none inside « »" '«(?![\x{00A0}\x{202F}])|(?<![\x{00A0}\x{202F}])»' $texts "$catalogue"
exit $status
