#!/usr/bin/env bash
# Times Tonalyst from launch to the "User ID" prompt on screen, against a bare Qt
# program that shows one dialog, in the same run on the same X server.
# Usage: bench/startup/run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build}
runs=${2:-15}
if ! command -v xdotool >/dev/null || ! command -v Xvfb >/dev/null; then
    sudo=""; [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get install -y -qq xdotool xvfb >/dev/null
fi
cmake --build "$build" --target tonalyst bench_bare_window >/dev/null

work=$(mktemp -d)
# Xvfb picks a free display itself and names it once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x900x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1000); do
    [[ -s $work/display ]] && break
    sleep 0.01
done
if [[ ! -s $work/display ]]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=:$(head -n 1 "$work/display")

# Whether a process is still running (an exited child stays a zombie until waited for).
# Shell builtins only, so that the waiting below polls as often as before.
running() {
    local stat
    read -r stat 2>/dev/null <"/proc/$1/stat" || return 1
    stat=${stat##*) }
    [[ ${stat:0:1} != Z ]]
}

# Milliseconds from launch until a window with this exact title is mapped.
time_to_window() {
    local title=$1; shift
    local start end
    start=$(date +%s%N)
    local deadline=$(( ${EPOCHREALTIME/./} + 20000000 ))
    "$@" >/dev/null 2>&1 &
    local pid=$!
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
        # A program that ends, or shows something else, would otherwise be waited for forever.
        if ! running "$pid" || (( ${EPOCHREALTIME/./} > deadline )); then
            kill "$pid" 2>/dev/null
            echo "$1 showed no window titled \"$title\"" >&2
            return 1
        fi
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

tonalyst=(); bare=()
for _ in $(seq "$runs"); do
    t=$(time_to_window "User ID" "$build/src/app/tonalyst" --data-dir "$work/data")
    b=$(time_to_window "Bare Window" "$build/bench/startup/bench_bare_window")
    tonalyst+=("$t"); bare+=("$b")
done

t=$(printf '%s\n' "${tonalyst[@]}" | median)
b=$(printf '%s\n' "${bare[@]}" | median)
echo "runs: $runs"
echo "tonalyst to User ID prompt: median ${t} ms (all: ${tonalyst[*]})"
echo "bare Qt dialog:             median ${b} ms (all: ${bare[*]})"
awk -v t="$t" -v b="$b" 'BEGIN {printf "ratio: %.2f\n", t / b}'
