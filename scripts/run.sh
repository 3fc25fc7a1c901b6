#!/usr/bin/env bash
# Installs what is missing, builds Tonalyst and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" --target tonalyst
exec "$top/build/src/app/tonalyst" "$@"
