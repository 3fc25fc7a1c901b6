#!/usr/bin/env bash
# Builds the Debian package tonalyst_VERSION_ARCH.deb and leaves it in DIR (default: the
# top folder of the checkout): the program alone, optimised, in build-package, then
# packed by cpack with its dependencies found by dpkg-shlibdeps.
# Usage: scripts/package.sh [DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$top}" && cd "${1:-$top}" && pwd)
build="$top/build-package"
"$top/scripts/setup.sh"

# -O2, as Debian builds its packages: at -O3 GCC 12 warns falsely inside std::string, and
# warnings are errors. The tests are not built, and cpack installs what is built here
# rather than building everything first.
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
    -DTONALYST_WERROR=ON -DTONALYST_TESTS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target tonalyst tonalyst_manpage

rm -rf "$build/package"
if ! (cd "$build" && cpack --config CPackConfig.cmake -B "$build/package" >"$build/cpack.log" 2>&1); then
    cat "$build/cpack.log" >&2
    exit 1
fi
debs=("$build"/package/tonalyst_*.deb)
if [[ ${#debs[@]} -ne 1 || ! -f ${debs[0]} ]]; then
    echo "cpack made no single tonalyst package in $build/package" >&2
    exit 1
fi
mv "${debs[0]}" "$out/"
echo "$out/$(basename "${debs[0]}")"
