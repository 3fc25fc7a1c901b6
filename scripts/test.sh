#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test headless: the record parser
# and report compiler under libFuzzer for a bounded time, a plain optimised build, a
# build under AddressSanitizer + UndefinedBehaviorSanitizer, and the test programs that
# run threads under ThreadSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

fuzz_log="$top/build-fuzz.log"
if "$top/fuzz/run.sh" 30 >"$fuzz_log" 2>&1; then
    echo "fuzz_records: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second\(s\)' "$fuzz_log" | tail -n 1)"
else
    tail -n 40 "$fuzz_log"
    echo "fuzz_records failed; the whole log is in $fuzz_log"
    exit 1
fi

cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTONALYST_WERROR=ON >/dev/null
cmake --build "$top/build" -j "$jobs"
(cd "$top/build" && ctest --output-on-failure -j "$jobs")

cmake -S "$top" -B "$top/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTONALYST_SANITIZE=ON \
    -DTONALYST_WERROR=ON >/dev/null
cmake --build "$top/build-sanitize" -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd "$top/build-sanitize" && ctest --output-on-failure -j "$jobs")

# ThreadSanitizer cannot share a build with AddressSanitizer; only the programs whose code
# runs threads (the history's writer, the class server's push worker, the Progress
# window's readers, the tone player, the MIDI input) are built a third time.
# tests/tsan.supp names the hand-overs inside Qt, built without ThreadSanitizer, that it
# cannot see.
cmake -S "$top" -B "$top/build-tsan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTONALYST_TSAN=ON \
    -DTONALYST_WERROR=ON >/dev/null
tsan_tests=(test_history test_classserver test_progress test_intervals test_midi_input)
cmake --build "$top/build-tsan" -j "$jobs" --target "${tsan_tests[@]}"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$top/tests/tsan.supp"
(cd "$top/build-tsan" && ctest --output-on-failure -j "$jobs" -R "^($(IFS='|'; echo "${tsan_tests[*]}"))\$")

# The Debian package, built optimised in a tree of its own, installed on this machine,
# started up to its main window and purged again.
"$top/scripts/test-package.sh"
