#!/usr/bin/env bash
# Builds optimised and prints the figures of every benchmark: reading a list into the review
# grid, posting to SQLite and PostgreSQL, exporting, and the batch import beside the bulk
# loaders. PostgreSQL runs on a private server on 127.0.0.1 with its default durability.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
script_name=bench
source "$root/scripts/lib.sh"
bash "$root/scripts/install-deps.sh" test
# The benchmarks and the command they run, nothing else.
quietly cmake -S "$root" -B "$root/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release
quietly cmake --build "$root/build/bench" --target ImportBench FindingsBench PostingBench \
    ExportBench ListBench DistrictBench BatchImportBench cardovane-dbadmin

export CARDOVANE_TEST_PGPORT="${CARDOVANE_BENCH_PGPORT:-25439}"
export PG_TEST_FSYNC=on
source "$root/scripts/pg-test-server.sh"
source "$root/scripts/x-test-display.sh"
# Whatever was started is stopped, however the run ends, from before the first start.
XDG_RUNTIME_DIR="$(mktemp -d /tmp/cardovane-bench-runtime.XXXXXX)"
# The postings the benchmarks make are kept in a history of their own, not the user's.
XDG_DATA_HOME="$(mktemp -d /tmp/cardovane-bench-data.XXXXXX)"
export XDG_DATA_HOME
trap 'x_test_display_stop; pg_test_pooler_stop; pg_test_server_stop; rm -rf "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME"' EXIT
pg_test_server_start
# A district's pooler: room for 2,000 desktops' connections, 20 server connections to share.
pg_test_pooler_start 20 2100
# The window on a real X display with a window manager, as on a desktop, in a session's runtime
# folder of the user's own: what Qt asks of a desktop, so that the figures come without warnings.
x_test_display_start
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR QT_QPA_PLATFORM=xcb

echo "== Reading a 1,000,000-line list into the review grid with its findings, beside sqlite3 .import; the fixes of 100,000 rows and their undo"
"$root/build/bench/bench/ImportBench" 1000000
echo "== The review grid's findings: 100,000 rows, half of them stored, against 1,000,000 stored"
"$root/build/bench/bench/FindingsBench"
echo "== Posting"
"$root/build/bench/bench/PostingBench"
echo "== Export"
"$root/build/bench/bench/ExportBench" 1000000
echo "== The student list beside the grid, by the number of students stored"
"$root/build/bench/bench/ListBench"
echo "== A district: 1,000 desktops on one server, through PgBouncer and straight, and through PgBouncer while its pooler restarts and its primary fails over"
"$root/build/bench/bench/DistrictBench"
echo "== Batch import and export (cardovane-dbadmin) beside the bulk loaders"
"$root/build/bench/bench/BatchImportBench"
