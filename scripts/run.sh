#!/usr/bin/env bash
# The main job: builds the 64-bit Windows programs, puts the keyboard and the designer with
# everything they need into a package folder and starts the keyboard with the shipped
# startup.osk (or, with the argument "designer", the designer with startup.osk open). With a
# display the program runs there until it is closed; without one it runs on a virtual
# display, a picture of it is saved and its path printed, and it is closed again (the
# designer's picture shows it in design mode with every key selected). Once the program is
# shown, the 32-bit package is built too, at low priority.
#
#   bash scripts/run.sh designer                    the designer instead of the keyboard
#   PENDREL_VIRTUAL_DISPLAY=1 bash scripts/run.sh   forces the virtual display
#   PENDREL_SKIP_WIN32=1 bash scripts/run.sh        leaves out the 32-bit package
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build_jobs=${PENDREL_JOBS:-$(nproc)}

case ${1:-keyboard} in
    keyboard) program=Pendrel.exe class=TMainFormOSK title=Pendrel name=keyboard keys= ;;
    designer) program=Morvane.exe class=TMainForm title="OSK: Editor" name=designer keys=ctrl+e,ctrl+a ;;
    *) echo "usage: bash scripts/run.sh [keyboard|designer]" >&2; exit 2 ;;
esac

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
    cp "$bin"/{Pendrel.exe,Morvane.exe,Trellin.dll,Tarnwick.dll,Quillon.dll} "$package"/
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
    (cd "$package" && exec "$root/cmake/wine-run.sh" "$root/$package/$program" startup.osk) &
    started=$!
    package_win32 || true
    wait "$started"
    exit
fi

# No display to look at: run on the shared virtual display and take a picture.
[[ -n ${PENDREL_VIRTUAL_DISPLAY:-} ]] && unset DISPLAY
[[ $name == keyboard ]] && picture=$root/build/package/pendrel-screenshot.png \
    || picture=$root/build/package/morvane-screenshot.png
rm -f "$picture"
# Started in the package folder, where the designer finds the layout named on its command line.
(cd "$package" && exec "$root/cmake/wine-run.sh" "$root/$package/$program" startup.osk) &
started=$!
# Wine takes an absolute Unix path as a path on its drive of the Unix root.
if ! cmake/wine-run.sh build/release-win64/bin/windowshot.exe "$class" "$title" "$picture" ${keys:+--keys "$keys"} --close; then
    kill "$started" 2>/dev/null || true
    echo "run: the $name did not appear" >&2
    exit 1
fi
for _ in $(seq 100); do
    kill -0 "$started" 2>/dev/null || break
    sleep 0.1
done
kill "$started" 2>/dev/null && echo "run: the $name did not close; stopped it" >&2
wait "$started" || true
echo "run: the $name ran on a virtual display; its picture: $picture"
package_win32
