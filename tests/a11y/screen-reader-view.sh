#!/usr/bin/env bash
# The real window read through AT-SPI, as a screen reader reads it, in English and in German: a
# private D-Bus session with the accessibility bus, the program on the test command's X display
# with its accessibility on, and a client reading its tree and its events. Usage:
# screen-reader-view.sh BUILD_DIR. Without an X display it is skipped (exit 77).
set -euo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${DISPLAY:-}" ]; then
    echo "no X display: this runs under the test command's window manager"
    exit 77
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
unset LANGUAGE LC_ALL LC_MESSAGES

run() {  # language, then the captions and texts the reading expects in it
    echo "== $1"
    # A desktop of its own: its settings, the student database and the office's list.
    local home="$work/$1"
    mkdir -p "$home/office" && mkdir -m 700 "$home/runtime"
    XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        "$build/dbadmin/cardovane-dbadmin" setup-sqlite DVK >/dev/null
    printf 'IDNum,Firstname,Lastname\r\n1,Ann,Lee\r\n2,Bob,Ray\r\n' >"$home/office/list.csv"
    LANG="$1" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_RUNTIME_DIR="$home/runtime" \
        dbus-run-session -- /usr/bin/python3 "$here/screen_reader_view.py" \
        "$build/app/Cardovane" "$home/office" "$home/office/list.csv" "${@:2}"
}
status=0
run C "Import List" \
    "Add List To Database|Before posting|Student list in the database|Import List|Note|How to review the list|Students to post" \
    "Add List To Database" "Undo Last Posting" "stored by the last posting from DVK?" \
    "a look" "looks like column headings" "Removed 1 heading row" \
    "Postings..." "Postings into DVK" "Posted|File|Students|Still as stored" "Undo Posting" ||
    status=1
run de_DE.UTF-8 "Importieren" \
    "Liste in die Datenbank übernehmen|Vor der Übernahme|Schülerliste in der Datenbank|Importieren|Hinweis|So prüfen Sie die Liste|Zu übernehmende Schüler" \
    "Liste in die Datenbank übernehmen" "Letzte Übernahme rückgängig" \
    "der letzten Übernahme aus DVK entfernen?" "geprüft" "Spaltenüberschriften" \
    "1 Überschriftenzeile entfernt" \
    "Übernahmen..." "Übernahmen in DVK" "Übernommen am|Datei|Schüler|Noch unverändert" \
    "Übernahme rückgängig machen" || status=1

# On the test command's server, the login dialog at the start, in German.
if [ -n "${CARDOVANE_TEST_PGPORT:-}" ]; then
    echo "== login, de_DE.UTF-8"
    home="$work/login"
    mkdir -p "$home/office" && mkdir -m 700 "$home/runtime"
    database="a11y_$$"
    psql -q -h 127.0.0.1 -p "$CARDOVANE_TEST_PGPORT" -d postgres -c "create database $database"
    trap 'psql -q -h 127.0.0.1 -p "$CARDOVANE_TEST_PGPORT" -d postgres -c "drop database if exists $database"; rm -rf "$work"' EXIT
    printf '%s\n' "$CARDOVANE_TEST_PGPASSWORD" >"$home/password" && chmod 600 "$home/password"
    XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        "$build/dbadmin/cardovane-dbadmin" setup-postgres DVK --server 127.0.0.1 \
        --port "$CARDOVANE_TEST_PGPORT" --database "$database" --user "$CARDOVANE_TEST_PGUSER" \
        --password-file "$home/password" --sslmode require >/dev/null
    LANG=de_DE.UTF-8 XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_RUNTIME_DIR="$home/runtime" \
        dbus-run-session -- /usr/bin/python3 "$here/login_view.py" \
        "$build/app/Cardovane" "$home/office" "$CARDOVANE_TEST_PGPASSWORD" \
        "Anmeldung an der Datenbank" "Benutzer:" "Passwort:" "OK" "Abbrechen" || status=1
fi
exit $status
