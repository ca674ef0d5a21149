#!/usr/bin/env bash
# Builds optimised and prints the figures of every benchmark: reading a list into the review
# grid, posting to SQLite and PostgreSQL, exporting, and the batch import beside the bulk
# loaders. PostgreSQL runs on a private server on 127.0.0.1 with its default durability.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$root/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/bench" >/dev/null

export CARDOVANE_TEST_PGPORT="${CARDOVANE_BENCH_PGPORT:-25439}"
export PG_TEST_FSYNC=on
source "$root/scripts/pg-test-server.sh"
pg_test_server_start
# The window on a real X display with a window manager, as on a desktop, in a session's runtime
# folder of the user's own: what Qt asks of a desktop, so that the figures come without warnings.
source "$root/scripts/x-test-display.sh"
x_test_display_start
XDG_RUNTIME_DIR="$(mktemp -d /tmp/cardovane-bench-runtime.XXXXXX)"
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR QT_QPA_PLATFORM=xcb
trap 'x_test_display_stop; pg_test_server_stop; rm -rf "$XDG_RUNTIME_DIR"' EXIT

echo "== Reading a list into the review grid"
"$root/build/bench/bench/ImportBench"
echo "== Posting"
"$root/build/bench/bench/PostingBench"
echo "== Export"
"$root/build/bench/bench/ExportBench" 1000000
echo "== The student list beside the grid, by the number of students stored"
"$root/build/bench/bench/ListBench"
echo "== Batch import and export (cardovane-dbadmin) beside the bulk loaders"
"$root/build/bench/bench/BatchImportBench"
