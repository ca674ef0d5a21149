#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each for SECONDS (default 60) over its seed
# corpus in fuzz/corpus and what earlier runs found; stops at the first finding and prints the
# path of the input that reproduces it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"

script_name=fuzz
source "$root/scripts/lib.sh"
bash "$root/scripts/install-deps.sh" test
build="$root/build/fuzz"
quietly cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DCARDOVANE_FUZZ=ON -DCARDOVANE_WERROR=ON
quietly cmake --build "$build"

mkdir -p "$build/findings"
for harness in "$build"/fuzz/fuzz_*; do
    name="${harness##*/fuzz_}"
    corpus="$build/corpus/$name"
    log="$build/$name.log"
    mkdir -p "$corpus"
    options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/findings/$name-")
    [ -f "$root/fuzz/dict/$name.dict" ] && options+=(-dict="$root/fuzz/dict/$name.dict")
    if ! "$harness" "${options[@]}" "$corpus" "$root/fuzz/corpus/$name" >"$log" 2>&1; then
        grep -E "property failed|ERROR|SUMMARY" "$log" | head -n 5 || true
        echo "fuzz: finding in $name; reproduce with: $harness $(grep -o "$build/findings/[^ ]*" "$log" | tail -n 1)"
        exit 1
    fi
    # A run that ends without its figures did not fuzz (a harness that exits, a corpus it cannot
    # read): that is a failure too, with what it printed.
    runs=$(sed -n 's/^stat::number_of_executed_units: *\([0-9][0-9]*\).*/\1/p' "$log")
    if [ -z "$runs" ]; then
        tail -n 20 "$log" >&2
        echo "fuzz: $name ended without its figures (see above; the whole output: $log)" >&2
        exit 1
    fi
    cov=$(grep -E '^#[0-9]+.*(DONE|cov:)' "$log" | tail -n 1 | sed -n 's/.*cov: \([0-9][0-9]*\).*/\1/p')
    printf 'fuzz: %-16s %10s executions in %ss, %s edges covered, no finding\n' "$name" "$runs" "$seconds" "$cov"
done
