#!/usr/bin/env bash
# Installs what building and testing Pendrel needs on Debian 12 (run as root).
# Does nothing when everything is present; may be run any number of times.
set -euo pipefail

required=(
    cmake g++ clang
    googletest libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 libz-mingw-w64-dev
    wine wine64 xvfb xauth
    imagemagick zip
)
# 32-bit Wine runs only where the kernel executes 32-bit programs; elsewhere
# installing it may fail and the 32-bit tests are skipped.
optional=(wine32:i386)
optional_marker=/var/lib/pendrel/optional-packages-tried

installed() {
    [[ $(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null) == installed ]]
}

missing_of() {
    local package
    for package in "$@"; do
        installed "$package" || echo "$package"
    done
}

mapfile -t missing_required < <(missing_of "${required[@]}")
mapfile -t missing_optional < <(missing_of "${optional[@]}")

# The optional packages are tried once per machine unless apt runs anyway.
if (( ${#missing_required[@]} == 0 )) && { (( ${#missing_optional[@]} == 0 )) || [[ -f $optional_marker ]]; }; then
    echo "setup: all packages present"
    exit 0
fi

if (( EUID != 0 )); then
    echo "setup: missing packages: ${missing_required[*]} ${missing_optional[*]}" >&2
    echo "setup: run this script as root to install them" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
# A mirror that is being synced fails one index now and then; an index that
# could not be fetched is retried, and the install below tells whether the
# lists it has are enough.
for attempt in 1 2 3; do
    apt-get update && break
    echo "setup: apt-get update failed (attempt $attempt of 3)" >&2
    (( attempt < 3 )) && sleep $(( attempt * 15 ))
done

if (( ${#missing_required[@]} > 0 )); then
    echo "setup: installing ${missing_required[*]}"
    apt-get install -y "${missing_required[@]}"
fi

if (( ${#missing_optional[@]} > 0 )); then
    echo "setup: installing ${missing_optional[*]} (optional)"
    if ! apt-get install -y "${missing_optional[@]}"; then
        echo "setup: could not install ${missing_optional[*]}; the 32-bit tests will not run" >&2
    fi
    mkdir -p "$(dirname "$optional_marker")"
    touch "$optional_marker"
fi

mapfile -t still_missing < <(missing_of "${required[@]}")
if (( ${#still_missing[@]} > 0 )); then
    echo "setup: still missing: ${still_missing[*]}" >&2
    exit 1
fi
echo "setup: done"
