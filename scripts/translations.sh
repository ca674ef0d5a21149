#!/usr/bin/env bash
# The catalogues of the program's texts, l10n/cardovane_LANG.ts:
#   update  brings every text marked for translation in the sources into them, a new text
#           unfinished until it is translated (Qt Linguist, or by hand)
#   check   fails, naming them, when a text of the sources is missing from a catalogue, a
#           catalogue holds a text the sources no longer have, or an entry is unfinished
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
sources=(app toolkit store import export textio dbadmin l10n)

scan() {  # catalogue, extra lupdate options...
    local catalogue="$1"
    shift
    (cd "$root" && "$lupdate" -silent -I . -locations none "$@" "${sources[@]}" -ts "$catalogue")
}

case "${1:-}" in
    update)
        for language in de fr es; do
            scan "$root/l10n/cardovane_$language.ts" -no-obsolete
        done
        ;;
    check)
        work="$(mktemp -d)"
        trap 'rm -rf "$work"' EXIT
        status=0
        for language in de fr es; do
            cp "$root/l10n/cardovane_$language.ts" "$work/"
            scan "$work/cardovane_$language.ts"
            # What lupdate marked: new or untranslated texts, and those the sources dropped.
            left="$(python3 - "$work/cardovane_$language.ts" <<'PY'
import sys
import xml.etree.ElementTree as E
for context in E.parse(sys.argv[1]).getroot():
    for message in context.findall("message"):
        kind = message.find("translation").get("type")
        if kind in ("unfinished", "vanished", "obsolete"):
            print(f'  {kind}: {context.find("name").text}: {message.find("source").text!r}')
PY
)"
            if [ -n "$left" ]; then
                echo "l10n/cardovane_$language.ts is not up to date with the sources" \
                    "(run scripts/translations.sh update, then translate):"
                echo "$left"
                status=1
            fi
        done
        exit $status
        ;;
    *)
        echo "usage: translations.sh update|check" >&2
        exit 2
        ;;
esac
