#!/usr/bin/env bash
# The Debian package as an office computer gets it: built from this build tree, unpacked into a
# scratch root, its desktop entry and metainfo validated, and its launcher started by a user with
# a fresh home on the test command's X display. The window must open at its designed size, an
# export with the default path must succeed, and kq.cfg must land in the user's own folder.
set -euo pipefail
build="$1"
script_name=package
source "$(dirname "$0")/../../scripts/lib.sh"
if [ -z "${DISPLAY:-}" ]; then
    echo "no X display: this test runs under the test command"
    exit 77
fi
work="$(mktemp -d)"
trap 'pkill -f "$work/root/usr/lib/cardovane/Cardovane" 2>/dev/null || true; rm -rf "$work"' EXIT
chmod 755 "$work"

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb="$(ls "$work"/out/cardovane_*.deb)"
check "the package depends on Qt's SQLite and PostgreSQL drivers and its platform plugins" \
    grep -q "libqt6sql6-sqlite, libqt6sql6-psql, qt6-qpa-plugins" <<<"$(dpkg-deb -f "$deb" Depends)"
# Debian's own checker, as a distribution runs it: no error and no warning, no tag overridden.
if ! lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
    grep -v "running with root privileges" "$work/lintian.log"
    exit 1
fi
dpkg -x "$deb" "$work/root"
# The manual pages render without a warning; the command tells the package's version.
for page in cardovane cardovane-dbadmin; do
    warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l \
        "$work/root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || { echo "man $page: $warnings"; exit 1; }
done
version="$(dpkg-deb -f "$deb" Version)"
check "cardovane-dbadmin --version tells the package's version" \
    [ "$("$work/root/usr/bin/cardovane-dbadmin" --version)" = "cardovane-dbadmin $version" ]
check "the manual page tells the package's version" \
    grep -q "cardovane-dbadmin $version" <<<"$(zcat "$work/root/usr/share/man/man1/cardovane-dbadmin.1.gz")"
# The completion offers the subcommands, and the aliases that aliases.conf defines.
complete_words() {  # words of the command line so far...: prints what the completion offers
    PATH="$work/root/usr/bin:$PATH" XDG_CONFIG_HOME="$work/config" bash -c '
        source "$0"
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _cardovane_dbadmin
        printf "%s\n" "${COMPREPLY[@]}"' \
        "$work/root/usr/share/bash-completion/completions/cardovane-dbadmin" "$@"
}
mkdir -p "$work/config/cardovane"
printf '[DVK]\nDriver=SQLITE\nPath=/x.db\n[District]\nDriver=POSTGRES\n' \
    >"$work/config/cardovane/aliases.conf"
check "the completion finishes a subcommand" [ "$(complete_words cardovane-dbadmin im)" = "import" ]
check "the completion offers every subcommand" \
    grep -qx setup-postgres <<<"$(complete_words cardovane-dbadmin "")"
check "the completion offers the aliases" \
    [ "$(complete_words cardovane-dbadmin export Di)" = "District" ]
check "the completion finishes an option" \
    [ "$(complete_words cardovane-dbadmin import DVK --dr)" = "--dry-run" ]
# An option's value is no positional word: the word after --password-file FILE is the alias.
check "the completion passes over an option's value" \
    [ "$(complete_words cardovane-dbadmin export --password-file /nonexistent/x Di)" = "District" ]
check "the completion offers an option's values" \
    [ "$(complete_words cardovane-dbadmin setup-postgres DVK --sslmode verify-f)" = "verify-full" ]
check "the desktop entry is valid" \
    desktop-file-validate "$work/root/usr/share/applications/example.cardovane.Attendance.desktop"
check "the metainfo is valid" quietly appstreamcli validate --no-net \
    "$work/root/usr/share/metainfo/example.cardovane.Attendance.metainfo.xml"
check "the icon is installed" \
    [ -f "$work/root/usr/share/icons/hicolor/48x48/apps/example.cardovane.Attendance.png" ]

# A user who may not write the program's folder, as with a package installed under /usr.
chmod 555 "$work/root/usr/lib/cardovane"
home="$work/home"
mkdir -p "$home"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$home"
    as_user=(runuser -u nobody --)
fi
(cd / && "${as_user[@]}" env -i HOME="$home" DISPLAY="$DISPLAY" PATH=/usr/bin:/bin \
    "$work/root/usr/bin/cardovane" >"$work/program.log" 2>&1 &)

wait_for() {  # seconds, command...: polls the condition until it holds or the time is up
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "timed out waiting for: $*"
            cat "$work/program.log"
            return 1
        fi
        sleep 0.1
    done
}
# The window of this test's own program, whatever else the display shows.
window() {
    local pid
    # sed reads all its input, so neither command is cut off by a closed pipe.
    pid="$(pgrep -f "$work/root/usr/lib/cardovane/Cardovane" | sed -n 1p)"
    [ -n "$pid" ] && xdotool search --onlyvisible --pid "$pid" --name '^Cardovane Attendance$' \
        2>/dev/null | sed -n 1p
}
shown() { [ -n "$(window)" ]; }
gone() { [ -z "$(window)" ]; }
wait_for 20 shown
check "the window opens at its designed width" \
    grep -qx 'WIDTH=811' <<<"$(xdotool getwindowgeometry --shell "$(window)")"

# The options page by the menu, the export by its button, the end by Alt+X: all by keys.
xdotool windowactivate --sync "$(window)"
xdotool key --delay 60 alt Right Return Tab Tab space
wait_for 10 test -f "$home/ExportedStudentList1.csv"
xdotool key --delay 60 alt+x
wait_for 10 gone
check "kq.cfg is in the user's own folder and names the export" \
    grep -q "^\[FacilityName\] = $home/ExportedStudentList1.csv" "$home/.local/share/cardovane/kq.cfg"
echo "package: built, validated, installed into a scratch root, started, exported and closed"
