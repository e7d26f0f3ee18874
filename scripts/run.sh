#!/usr/bin/env bash
# The main job: builds the Windows programs, puts the keyboard with everything it needs
# into a package folder, and starts it with the shipped startup.osk. With a display the
# keyboard runs there until it is closed; without one it runs on a virtual display, a
# picture of it is saved and its path printed, and it is closed again.
#
#   PENDREL_VIRTUAL_DISPLAY=1 bash scripts/run.sh   forces the virtual display
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build_jobs=${PENDREL_JOBS:-$(nproc)}

bash scripts/setup.sh

# Optimised and without symbols, in build folders of their own (the tests use build/win64
# and build/win32).
for arch in x86_64:win64 i686:win32; do
    dir=build/release-${arch#*:}
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-${arch%%:*}-mingw.cmake"
    cmake --build "$dir" -j "$build_jobs" --target programs
done

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
make_package win64
make_package win32

package=build/package/Pendrel-win64
if [[ -n ${DISPLAY:-} && -z ${PENDREL_VIRTUAL_DISPLAY:-} ]]; then
    exec cmake/wine-run.sh "$package/Pendrel.exe" startup.osk
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
