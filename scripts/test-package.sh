#!/usr/bin/env bash
# Builds the Debian package (or takes the one given), installs it on this machine with
# apt, starts the installed program headless until its main window is up and quits it,
# then purges the package and checks that none of its files stayed behind. On the way it
# checks what the package holds: its dependencies, the icon sizes, the AppStream
# metadata and a manual page that describes every command and option the program has,
# and that the program writes nothing outside the user's home.
# Needs root or sudo; a tonalyst package installed before is removed first.
# Usage: scripts/test-package.sh [tonalyst_VERSION_ARCH.deb]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
# Other apt runs on the machine are waited for rather than failed on.
apt=($sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=600)

work=$(mktemp -d)
xvfb="" wm="" session="" installed=""
cleanup() {
    [[ -n $session ]] && pid=$(program) && kill "$pid" 2>/dev/null
    [[ -n $wm ]] && kill "$wm" 2>/dev/null
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    [[ -n $installed ]] && "${apt[@]}" remove --purge tonalyst >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "test-package: $*" >&2
    failures=$((failures + 1))
}

# apt reads a local package as the unprivileged _apt user.
chmod 755 "$work"
if [[ $# -ge 1 ]]; then
    cp "$1" "$work/"
else
    "$top/scripts/package.sh" "$work" >/dev/null
fi
deb=$(echo "$work"/tonalyst_*.deb)
version=$(sed -nE 's/^project\(Tonalyst VERSION ([0-9.]+).*/\1/p' "$top/CMakeLists.txt")
[[ $(basename "$deb") == "tonalyst_${version}_$(dpkg --print-architecture).deb" ]] ||
    fail "the package is named $(basename "$deb"), not after version $version"

# Every library the program links comes with a package it depends on.
dpkg-deb -x "$deb" "$work/root"
depends=$(dpkg-deb -f "$deb" Depends)
depended=$(tr ',|' '\n\n' <<<"$depends" | sed -E 's/\(.*\)//; s/^ +//; s/ +$//')
ldconfig -p >"$work/libraries"
while read -r library; do
    path=$(awk -v l="$library" '$1 == l && /x86-64/ {print $NF; exit}' "$work/libraries")
    # Debian 12 lists some libraries under /lib, which is a link to /usr/lib.
    owner=""
    for candidate in "$path" "$(readlink -f "$path")" "$(readlink -f "$path" | sed 's:^/usr/lib/:/lib/:')"; do
        owner=$(dpkg -S "$candidate" 2>/dev/null | head -n 1 | cut -d: -f1) && [[ -n $owner ]] && break
    done
    grep -qxF -- "${owner:-?}" <<<"$depended" ||
        fail "the program links $library (from ${owner:-no package}), which Depends does not name"
done < <(objdump -p "$work/root/usr/bin/tonalyst" | awk '$1 == "NEEDED" {print $2}')

# The icon in each size it claims, and metadata that agrees with the desktop entry and
# the version.
for size in 16 22 24 32 48 64 128 256 512; do
    icon="$work/root/usr/share/icons/hicolor/${size}x${size}/apps/tonalyst.png"
    [[ -f $icon && $(file -b "$icon") == "PNG image data, $size x $size,"* ]] ||
        fail "no $size-pixel icon in the package"
done
[[ -f $work/root/usr/share/icons/hicolor/scalable/apps/tonalyst.svg ]] || fail "no scalable icon in the package"
metainfo=("$work"/root/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "${metainfo[@]}" >"$work/validate.log" 2>&1 ||
    fail "appstreamcli refuses the metadata: $(cat "$work/validate.log")"
desktop_id=$(sed -nE 's:.*<launchable type="desktop-id">(.*)</launchable>.*:\1:p' "${metainfo[@]}")
[[ -f $work/root/usr/share/applications/$desktop_id ]] || fail "the metadata launches $desktop_id, which is not in the package"
release=$(grep -oE '<release version="[^"]+"' "${metainfo[@]}" | head -n 1 | cut -d'"' -f2)
[[ $release == "$version" ]] || fail "the metadata's latest release is $release, the program's version $version"

"${apt[@]}" remove --purge tonalyst >/dev/null 2>&1 || true
"${apt[@]}" install --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log" >&2
    fail "apt could not install the package"
    exit 1
}
installed=yes
dpkg -L tonalyst >"$work/files"

[[ $(tonalyst --version) == "Tonalyst $version" ]] || fail "tonalyst --version says: $(tonalyst --version)"
# The manual page names every command and option the commands' usage texts name.
MANWIDTH=200 man -l "$work/root/usr/share/man/man1/tonalyst.1.gz" 2>/dev/null | col -b >"$work/man.txt"
for command in "" worksheet report history progress class; do
    usage=$(LANG=C.UTF-8 LANGUAGE="" tonalyst $command --help) || fail "tonalyst $command --help failed"
    for name in $(grep -oE -- '--[a-z][a-z0-9-]*|^  [a-z][a-z-]+' <<<"$usage" | sort -u); do
        grep -qE -- "(^|[^a-z-])$name([^a-z-]|\$)" "$work/man.txt" ||
            fail "man tonalyst does not describe ${command:+$command }$name"
    done
done

# The installed program starts, on its own X server with a window manager as on a
# desktop, in a home of its own, and quits from the main window.
home="$work/home"
mkdir -p "$home" "$work/run" "$work/tmp"
chmod 700 "$work/run"
Xvfb -displayfd 3 -screen 0 1280x900x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 500); do
    [[ -s $work/display ]] && break
    sleep 0.02
done
export DISPLAY=:$(head -n 1 "$work/display")
openbox --startup "touch $work/wm-ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 500); do
    [[ -e $work/wm-ready ]] && break
    sleep 0.02
done
# Only the data folder moves with --data-dir, so the whole home is a new one. A session
# bus of its own, as on a desktop, keeps the sound libraries from starting one that
# outlives the program. The program alone is traced, to see where it writes.
env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp" \
    LANG=C.UTF-8 QT_QPA_PLATFORM=xcb dbus-run-session -- \
    strace -ff -qq -y -o "$work/trace" -e status=successful \
    -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,link,linkat,symlink,symlinkat,unlink,unlinkat,rmdir,truncate \
    tonalyst >"$work/run.log" 2>&1 &
session=$!
# The tonalyst process, under the session and strace.
program() {
    local tracer
    tracer=$(ps -o pid=,comm= --ppid "$session" | awk '$2 == "strace" {print $1}')
    [[ -n $tracer ]] && ps -o pid= --ppid "$tracer" | tr -d ' '
}
# Waits until as many windows of that title show, and prints the last one's id; fails
# when they do not show within 30 seconds or the program is gone.
window() {
    local found
    for _ in $(seq 300); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)
        if [[ $(grep -c . <<<"$found") -ge ${2:-1} ]]; then
            tail -n 1 <<<"$found"
            return 0
        fi
        kill -0 "$session" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
if prompt=$(window '^User ID$'); then
    xdotool windowactivate --sync "$prompt" type pkgtest
    xdotool key Return
    if main=$(window '^Tonalyst$'); then
        # Utility > Quit, and Yes to "Are you sure ...".
        xdotool windowactivate --sync "$main" key --delay 300 alt+u q
        window '^Tonalyst$' 2 >/dev/null && xdotool key Return
    else
        fail "the main window did not show after the User ID prompt"
    fi
else
    fail "the installed program showed no User ID prompt"
fi
for _ in $(seq 200); do
    kill -0 "$session" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$session" 2>/dev/null; then
    pid=$(program) && kill "$pid"
    fail "the installed program did not quit from its menu"
fi
wait "$session" || fail "the installed program ended with status $?: $(cat "$work/run.log")"
[[ -f $home/.local/share/tonalyst/history.sqlite ]] || fail "the program kept no answer history in the user's home"

# Writes: files opened for writing (their paths as opened), and folders and links made,
# renamed or removed. Only the home, the runtime and temporary folders given, and devices.
cat "$work"/trace.* |
    awk '/^(open|openat|creat)\(/ && /O_WRONLY|O_RDWR|O_CREAT|^creat/ {
             if (match($0, /= [0-9]+<[^>]*>$/)) print substr($0, RSTART + 2)
         }
         /^(mkdir|mkdirat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|rmdir|truncate)\(/' |
    grep -vE "(\"|<)($home|$work/run|$work/tmp|/dev)(/|\"|>)" >"$work/outside" || true
[[ -s $work/outside ]] && fail "the program wrote outside the user's home: $(head -n 5 "$work/outside")"

"${apt[@]}" remove --purge tonalyst >/dev/null
installed=""
while read -r path; do
    [[ -e $path ]] && ! dpkg -S "$path" >/dev/null 2>&1 && fail "$path is left after purging the package"
done <"$work/files"
status=$(dpkg-query -W -f='${Status}' tonalyst 2>/dev/null || true)
[[ -z $status || $status == *not-installed ]] || fail "dpkg still holds the package: $status"
[[ -f $home/.local/share/tonalyst/history.sqlite ]] || fail "purging the package took the user's data"

if [[ $failures -gt 0 ]]; then
    echo "test-package: $failures failures" >&2
    exit 1
fi
echo "test-package: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB) installed, started, quit and purged"
