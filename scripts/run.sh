#!/usr/bin/env bash
# The main job: builds the Windows programs (not the tests) and runs the layout
# tool under Wine on the sample layout.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build_jobs=${PENDREL_JOBS:-$(nproc)}

bash scripts/setup.sh

for arch in x86_64:win64 i686:win32; do
    dir=build/${arch#*:}
    cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-${arch%%:*}-mingw.cmake"
    cmake --build "$dir" -j "$build_jobs" --target programs
done

tool=build/win64/bin/osklayout.exe
if [[ ! -f $tool ]]; then
    echo "run: $tool was not built: the osklayout tool (tools/osklayout) does not exist yet" >&2
    exit 1
fi
exec cmake/wine-run.sh "$tool" print layouts/sample.osk
