#!/usr/bin/env bash
# Runs a Windows program under Wine and passes on its output and exit code.
# The MinGW toolchains use it as the cross-compiling emulator, so CTest runs
# every test program through it; the scripts use it to start the tools.
#
#   wine-run.sh <program.exe> [arguments...]
#   wine-run.sh --can-run i686|x86_64    exits 0 when this machine runs such programs
#
# One prefix per architecture is kept under ${XDG_CACHE_HOME:-$HOME/.cache}/pendrel
# and created once; without DISPLAY a shared Xvfb is started once and left running
# for the next runs. Exit code 77 means "skipped": 32-bit Wine cannot run here.
set -euo pipefail

readonly SKIPPED=77
state_dir="${PENDREL_WINE_STATE:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/pendrel}"

die() { echo "wine-run: $*" >&2; exit 1; }

# Closes every descriptor above stderr. Called in the subshell that starts a
# background process (Xvfb, wineserver, Wine's services): those outlive us and
# must hold neither CTest's pipes, which CTest waits on, nor our locks.
close_inherited_fds() {
    local fd
    for fd in "/proc/$BASHPID/fd/"*; do
        fd=${fd##*/}
        (( fd > 2 )) && eval "exec $fd>&-" 2>/dev/null
    done
    return 0
}

# The PE header names the machine: 0x14c is i386, 0x8664 is x86-64.
machine_of() {
    local exe=$1 pe machine
    [[ $(head -c 2 "$exe") == MZ ]] || die "$exe is not a Windows program"
    pe=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
    machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$exe" | tr -d ' ')
    case $machine in
        014c) echo i686 ;;
        8664) echo x86_64 ;;
        *) die "$exe has an unknown machine type 0x$machine" ;;
    esac
}

loader_for() {
    case $1 in
        i686) echo /usr/lib/wine/wine ;;
        x86_64) if [[ -x /usr/lib/wine/wine64 ]]; then echo /usr/lib/wine/wine64; else command -v wine64 || echo wine64; fi ;;
        *) die "unknown architecture $1" ;;
    esac
}

# A 32-bit loader is installed on machines whose kernel cannot execute it,
# so asking it for its version is the test.
loader_works() {
    local loader=$1
    [[ -x $loader ]] && timeout 20 "$loader" --version 2>/dev/null </dev/null | grep -q '^wine'
}

wineserver_for() {
    if [[ -x /usr/lib/wine/wineserver64 ]]; then echo /usr/lib/wine/wineserver64
    elif [[ -x /usr/lib/wine/wineserver32 ]]; then echo /usr/lib/wine/wineserver32
    else command -v wineserver || die "no wineserver found"
    fi
}

# Creating a prefix takes seconds and must happen once, even when CTest starts
# several programs at the same moment. No dialog may wait for a click there:
# Mono and Gecko are switched off and crashes are reported on the console.
# A new marker name makes older prefixes be made again with the current settings.
ensure_prefix() {
    local arch=$1 loader=$2 winearch lock
    [[ -f $WINEPREFIX/.pendrel-ready-2 ]] && return
    winearch=$([[ $arch == i686 ]] && echo win32 || echo win64)
    exec {lock}>"$WINEPREFIX.lock"
    flock "$lock"
    if [[ ! -f $WINEPREFIX/.pendrel-ready-2 ]]; then
        echo "wine-run: creating the $winearch prefix $WINEPREFIX" >&2
        rm -rf "$WINEPREFIX"
        if ! (close_inherited_fds; WINEARCH=$winearch exec timeout 300 "$loader" wineboot --init \
                </dev/null >"$WINEPREFIX.log" 2>&1); then
            cat "$WINEPREFIX.log" >&2
            die "creating the prefix failed"
        fi
        # A crash prints a backtrace and ends the program instead of opening a dialog.
        (close_inherited_fds; exec "$loader" reg add 'HKCU\Software\Wine\WineDbg' \
            /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >>"$WINEPREFIX.log" 2>&1) ||
            die "configuring the prefix failed"
        # Xvfb has no window manager: unmanaged windows close at once instead of after a wait.
        (close_inherited_fds; exec "$loader" reg add 'HKCU\Software\Wine\X11 Driver' \
            /v Managed /t REG_SZ /d N /f </dev/null >>"$WINEPREFIX.log" 2>&1) ||
            die "configuring the prefix failed"
        (close_inherited_fds; exec "$WINESERVER" -w)
        touch "$WINEPREFIX/.pendrel-ready-2"
    fi
    flock -u "$lock"
    exec {lock}>&-
}

xvfb_alive() {
    local display pid
    display=$(cat "$state_dir/xvfb.display" 2>/dev/null) || return 1
    pid=$(cat "$state_dir/xvfb.pid" 2>/dev/null) || return 1
    [[ $display =~ ^[0-9]+$ && -S /tmp/.X11-unix/X$display ]] || return 1
    [[ $(cat "/proc/$pid/comm" 2>/dev/null) == Xvfb ]]
}

# Xvfb picks a free display itself (-displayfd) and writes it when it is ready.
start_xvfb() {
    local waited=0
    rm -f "$state_dir/xvfb.display" "$state_dir/xvfb.pid"
    (
        close_inherited_fds
        exec setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
            3>"$state_dir/xvfb.display" </dev/null >/dev/null 2>"$state_dir/xvfb.log"
    ) &
    echo $! >"$state_dir/xvfb.pid"
    until [[ -s $state_dir/xvfb.display ]] && xvfb_alive; do
        (( waited++ < 100 )) || { cat "$state_dir/xvfb.log" >&2; die "Xvfb did not start"; }
        sleep 0.1
    done
}

ensure_display() {
    [[ -n ${DISPLAY:-} ]] && return
    if ! command -v Xvfb >/dev/null; then
        echo "wine-run: no DISPLAY and no Xvfb; programs that open windows will fail" >&2
        return
    fi
    local lock
    exec {lock}>"$state_dir/xvfb.lock"
    flock "$lock"
    xvfb_alive || start_xvfb
    DISPLAY=":$(cat "$state_dir/xvfb.display")"
    export DISPLAY
    flock -u "$lock"
    exec {lock}>&-
}

# The first program of a Wine session starts Wine's own processes (services,
# explorer, ...), which inherit its output and live as long as the server. So the
# server and these processes are started here, detached; the server stays a few
# seconds after the last program so that consecutive tests share the session.
ensure_session() {
    local loader=$1 lock
    exec {lock}>"$WINEPREFIX.session.lock"
    flock "$lock"
    # wineserver exits with 0 when it starts, with 2 when one runs already.
    if (close_inherited_fds; exec "$WINESERVER" -p10 </dev/null >/dev/null 2>&1); then
        (close_inherited_fds; exec timeout 120 "$loader" wineboot </dev/null >/dev/null 2>&1) || true
    fi
    flock -u "$lock"
    exec {lock}>&-
}

setup_environment() {
    local arch=$1
    mkdir -p "$state_dir"
    export WINEPREFIX="$state_dir/wine64"
    [[ $arch == i686 ]] && WINEPREFIX="$state_dir/wine32"
    export WINEDEBUG="${PENDREL_WINEDEBUG:--all}"
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINESERVER
    WINESERVER=$(wineserver_for)
}

run_program() {
    local exe=$1 arch loader
    shift
    [[ -f $exe ]] || die "$exe does not exist"
    arch=$(machine_of "$exe")
    loader=$(loader_for "$arch")
    if ! loader_works "$loader"; then
        if [[ $arch == i686 ]]; then
            echo "wine-run: skipped $(basename "$exe"): 32-bit Wine ($loader) cannot run on this machine" >&2
            exit $SKIPPED
        fi
        die "64-bit Wine ($loader) does not run; install wine64"
    fi
    setup_environment "$arch"
    ensure_prefix "$arch" "$loader"
    ensure_display
    ensure_session "$loader"
    exec "$loader" "$exe" "$@"
}

case ${1:-} in
    --can-run)
        [[ $# -eq 2 ]] || die "usage: wine-run.sh --can-run i686|x86_64"
        loader_works "$(loader_for "$2")"
        ;;
    ""|-h|--help)
        echo "usage: wine-run.sh <program.exe> [arguments...] | --can-run i686|x86_64" >&2
        exit 2
        ;;
    *)
        run_program "$@"
        ;;
esac
