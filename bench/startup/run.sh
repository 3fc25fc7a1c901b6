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

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
sleep 1

# Milliseconds from launch until a window with this exact title is mapped.
time_to_window() {
    local title=$1; shift
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
        sleep 0.002
    done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

data=$(mktemp -d)
tonalyst=(); bare=()
for _ in $(seq "$runs"); do
    tonalyst+=("$(time_to_window "User ID" "$build/src/app/tonalyst" --data-dir "$data")")
    bare+=("$(time_to_window "Bare Window" "$build/bench/startup/bench_bare_window")")
done
rm -rf "$data"

t=$(printf '%s\n' "${tonalyst[@]}" | median)
b=$(printf '%s\n' "${bare[@]}" | median)
echo "runs: $runs"
echo "tonalyst to User ID prompt: median ${t} ms (all: ${tonalyst[*]})"
echo "bare Qt dialog:             median ${b} ms (all: ${bare[*]})"
awk -v t="$t" -v b="$b" 'BEGIN {printf "ratio: %.2f\n", t / b}'
