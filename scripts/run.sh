#!/usr/bin/env bash
# The main job: builds the 64-bit Windows programs, puts the keyboard with everything it
# needs into a package folder and starts it with the shipped startup.osk. With a display
# the keyboard runs there until it is closed; without one it runs on a virtual display, a
# picture of it is saved and its path printed, and it is closed again. Once the keyboard is
# shown, the 32-bit package is built too, at low priority.
#
#   PENDREL_VIRTUAL_DISPLAY=1 bash scripts/run.sh   forces the virtual display
#   PENDREL_SKIP_WIN32=1 bash scripts/run.sh        leaves out the 32-bit package
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build_jobs=${PENDREL_JOBS:-$(nproc)}

bash scripts/setup.sh

# Optimised and without symbols, in build folders of their own (the tests use build/win64
# and build/win32).
build_release() {
    local config=$1 arch=$2 dir=build/release-$1
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-mingw.cmake" >/dev/null
    cmake --build "$dir" -j "$build_jobs" --target programs
}

# A package holds what a Windows user needs to run the keyboard from any folder.
make_package() {
    local config=$1 package=build/package/Pendrel-$1 bin=build/release-$1/bin
    rm -rf "$package"
    mkdir -p "$package"
    cp "$bin"/{Pendrel.exe,Trellin.dll,Tarnwick.dll,Quillon.dll} "$package"/
    cp "$bin"/lib*.dll "$package"/
    cp layouts/*.osk "$package"/
    if command -v zip >/dev/null; then
        (cd build/package && rm -f "Pendrel-$config.zip" && zip -qr "Pendrel-$config.zip" "Pendrel-$config")
    fi
    echo "run: package $package" >&2
}

# The second package, built while the first one's keyboard is already in use.
package_win32() {
    [[ -n ${PENDREL_SKIP_WIN32:-} ]] && return 0
    echo "run: building the 32-bit package" >&2
    if (renice -n 10 -p "$BASHPID" >/dev/null; build_release win32 i686) >build/package/win32-build.log 2>&1; then
        make_package win32
    else
        echo "run: the 32-bit package failed to build; see build/package/win32-build.log" >&2
        return 1
    fi
}

build_release win64 x86_64
make_package win64

package=build/package/Pendrel-win64
if [[ -n ${DISPLAY:-} && -z ${PENDREL_VIRTUAL_DISPLAY:-} ]]; then
    cmake/wine-run.sh "$package/Pendrel.exe" startup.osk &
    keyboard=$!
    package_win32 || true
    wait "$keyboard"
    exit
fi

# No display to look at: run on the shared virtual display and take a picture.
[[ -n ${PENDREL_VIRTUAL_DISPLAY:-} ]] && unset DISPLAY
picture=$root/build/package/pendrel-screenshot.png
rm -f "$picture"
cmake/wine-run.sh "$package/Pendrel.exe" startup.osk &
keyboard=$!
# Wine takes an absolute Unix path as a path on its drive of the Unix root.
if ! cmake/wine-run.sh build/release-win64/bin/windowshot.exe TMainFormOSK Pendrel "$picture" --close; then
    kill "$keyboard" 2>/dev/null || true
    echo "run: the keyboard did not appear" >&2
    exit 1
fi
for _ in $(seq 100); do
    kill -0 "$keyboard" 2>/dev/null || break
    sleep 0.1
done
kill "$keyboard" 2>/dev/null && echo "run: the keyboard did not close; stopped it" >&2
wait "$keyboard" || true
echo "run: the keyboard ran on a virtual display; its picture: $picture"
package_win32
