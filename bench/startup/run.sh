#!/usr/bin/env bash
# Times Tonalyst from launch until its User ID prompt takes a typed key, against a bare Qt
# program whose one dialog takes it, in the same run on the same X server and window
# manager. Both end on the first key through the TONALYST_EXIT_ON_FIRST_KEY hook
# (src/startup/FirstKeyExit.h).
# Usage: bench/startup/run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
runs=${2:-15}
if ! command -v xdotool >/dev/null || ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
    sudo=""; [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get install -y -qq xdotool xvfb openbox >/dev/null
fi
cmake --build "$build" --target tonalyst bench_bare_window >/dev/null

work=$(mktemp -d)
# Xvfb picks a free display itself and names it once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x900x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
wm=""
trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1000); do
    [[ -s $work/display ]] && break
    sleep 0.01
done
if [[ ! -s $work/display ]]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=:$(head -n 1 "$work/display")
# A window manager gives a new window the focus, as on a student's desktop.
openbox --startup "touch $work/wm-ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1000); do
    [[ -e $work/wm-ready ]] && break
    sleep 0.01
done

# Whether a process is still running (an exited child stays a zombie until waited for).
# Shell builtins only, so that the waiting below polls as often as before.
running() {
    local stat
    read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
    stat=${stat##*) }
    [[ ${stat:0:1} != Z ]]
}

# Milliseconds from launch until the program's line edit takes a typed key: keys are typed
# into whatever has the focus until the program, run with the first-key hook, ends.
time_to_first_key() {
    local start end
    start=$(date +%s%N)
    local deadline=$(( ${EPOCHREALTIME/./} + 20000000 ))
    TONALYST_EXIT_ON_FIRST_KEY=1 "$@" >/dev/null 2>&1 &
    local pid=$!
    while running "$pid"; do
        # A program that shows something else would otherwise be typed at forever.
        if (( ${EPOCHREALTIME/./} > deadline )); then
            kill "$pid" 2>/dev/null
            echo "$1 took no key within 20 s" >&2
            return 1
        fi
        xdotool key --clearmodifiers a 2>/dev/null || true
    done
    end=$(date +%s%N)
    wait "$pid" 2>/dev/null || true
    echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

tonalyst=(); bare=()
for _ in $(seq "$runs"); do
    t=$(time_to_first_key "$build/src/app/tonalyst" --data-dir "$work/data")
    b=$(time_to_first_key "$build/bench/startup/bench_bare_window")
    tonalyst+=("$t"); bare+=("$b")
done

t=$(printf '%s\n' "${tonalyst[@]}" | median)
b=$(printf '%s\n' "${bare[@]}" | median)
echo "runs: $runs"
echo "tonalyst, User ID takes a key: median ${t} ms (all: ${tonalyst[*]})"
echo "bare Qt dialog takes a key:    median ${b} ms (all: ${bare[*]})"
awk -v t="$t" -v b="$b" 'BEGIN {printf "ratio: %.2f\n", t / b}'
