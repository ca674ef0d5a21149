#!/usr/bin/env bash
# Installs what is missing, builds (warnings as errors, and again under AddressSanitizer and
# UndefinedBehaviorSanitizer), fuzzes every parser briefly, starts a private PostgreSQL server
# on 127.0.0.1 with PgBouncer in front of it and an X display with a window manager, and runs every
# test: those on the server once straight and once through the pooler.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

bash "$root/scripts/install-deps.sh" test

build() {  # dir, extra cmake args...
    local dir="$1"
    shift
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCARDOVANE_WERROR=ON "$@" \
        >/dev/null
    cmake --build "$dir"
}
build "$root/build/ci"
build "$root/build/asan" -DCARDOVANE_SANITIZE=ON

# Every parser under libFuzzer for a few seconds over its stored inputs: a regression on one of
# them fails here.
bash "$root/scripts/fuzz.sh" 5

source "$root/scripts/pg-test-server.sh"
trap 'pg_test_pooler_stop; pg_test_server_stop' EXIT
pg_test_server_start
pg_test_pooler_start

# A real X display with a window manager, for the tests of focus and activation that only show
# there; every other test runs offscreen.
source "$root/scripts/x-test-display.sh"
trap 'x_test_display_stop; pg_test_pooler_stop; pg_test_server_stop' EXIT
x_test_display_start

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"

status=0
ctest --test-dir "$root/build/ci" --output-on-failure -j2 || status=1
ctest --test-dir "$root/build/asan" --output-on-failure -j2 || status=1
exit $status
