#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang in their own tree and fuzzes the record parser and
# the report compiler for a bounded time (default 30 s): fuzz/run.sh [SECONDS]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build="$top/build-fuzz"

CXX=clang++ CC=clang cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTONALYST_TESTS=OFF -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
cmake --build "$build" --target fuzz_records -j "$(nproc)"

# New inputs go to a scratch folder; the checked-in seeds stay as they are.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS="detect_leaks=0"
"$build/fuzz/fuzz_records" -max_total_time="$seconds" -max_len=20000 -timeout=10 \
    -artifact_prefix="$build/" "$work" "$top/fuzz/corpus"
