# Shared shell functions of the end-to-end tests: a private Wine prefix and X display per scenario,
# the robot, assertions and screenshots. Everything started here is stopped by pid in e2e_cleanup.

set -u

export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

E2E_PIDS=()
E2E_FAILURES=0

e2e_log() { printf '[%s] %s\n' "$(date +%H:%M:%S)" "$*"; }

# Makes a fresh 32-bit prefix that reports Windows Vista and runs every program in one shell desktop.
e2e_make_prefix() {
    local prefix=$1
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    WINEPREFIX=$prefix wineboot -i >/dev/null 2>&1 || return 1
    WINEPREFIX=$prefix wine winecfg -v vista >/dev/null 2>&1 || return 1
    WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1 || return 1
    # A crashing program must end, not wait behind Wine's crash dialog until the test times out.
    WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1 || return 1
    WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f \
        >/dev/null 2>&1 || return 1
    # Debian's 32-bit Wine does not find its own fonts (Tahoma for "MS Shell Dlg", Marlett for the caption
    # buttons); without them dialogs fall back to bitmap fonts and the close box draws as the letter "r".
    cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null
    WINEPREFIX=$prefix wineserver -w
}

# Starts Xvfb on a free display and Wine's shell desktop in a copy of the base prefix.
e2e_start_session() {
    local base_prefix=$1
    E2E_WORK=$(mktemp -d /tmp/kit-e2e.XXXXXX)
    export WINEPREFIX=$E2E_WORK/prefix
    cp -a "$base_prefix" "$WINEPREFIX" || return 1

    local fd_file=$E2E_WORK/display
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    local i
    for i in $(seq 1 100); do
        [ -s "$fd_file" ] && break
        sleep 0.05
    done
    [ -s "$fd_file" ] || { e2e_log "Xvfb did not start"; return 1; }
    export DISPLAY=:$(head -n1 "$fd_file")

    wine explorer /desktop=shell,1024x768 >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    robot find --class Shell_TrayWnd --timeout 20000 >/dev/null || { e2e_log "no shell desktop"; return 1; }
    # Wine closes the shell desktop soon after its last program ends; a scenario that ends a program
    # and then looks at the screen needs it to stay.
    wine "$ROBOT_EXE" keep-desktop --ms 3600000 >/dev/null 2>&1 &
    E2E_PIDS+=($!)
}

e2e_cleanup() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k >/dev/null 2>&1
    fi
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" >/dev/null 2>&1
    done
    for pid in "${E2E_PIDS[@]}"; do
        wait "$pid" >/dev/null 2>&1
    done
    E2E_PIDS=()
    [ -n "${E2E_WORK:-}" ] && rm -rf "$E2E_WORK"
}

# Starts a Windows program in the session without waiting; its pid goes to E2E_LAST_PID.
e2e_start() {
    wine "$@" >/dev/null 2>&1 &
    E2E_LAST_PID=$!
    E2E_PIDS+=($E2E_LAST_PID)
}

robot() { wine "$ROBOT_EXE" "$@" 2>>"$E2E_WORK/robot.log"; }

# Both checks count a failure and answer it, so that `check ... || return 1` stops a scenario whose
# later steps make no sense without this one.
check() { # check DESCRIPTION COMMAND...: a named assertion on a command's exit code
    local what=$1
    shift
    if "$@"; then
        e2e_log "ok:   $what"
        return 0
    fi
    e2e_log "FAIL: $what"
    E2E_FAILURES=$((E2E_FAILURES + 1))
    return 1
}

# For checks that something is absent: check "no value" not robot reg-has ...
not() { ! "$@"; }

check_eq() { # check_eq DESCRIPTION EXPECTED ACTUAL
    if [ "$2" == "$3" ]; then
        e2e_log "ok:   $1"
        return 0
    fi
    e2e_log "FAIL: $1: expected [$2], got [$3]"
    E2E_FAILURES=$((E2E_FAILURES + 1))
    return 1
}

# Saves a picture of the screen, or of one window when a caption is given, under SCREENSHOT_DIR.
e2e_screenshot() {
    local name=$1 caption=${2:-}
    mkdir -p "$SCREENSHOT_DIR"
    local file=$SCREENSHOT_DIR/$name.png
    sleep 0.3 # let the window finish painting
    if [ -n "$caption" ]; then
        local rect
        rect=$(robot rect --caption "$caption") || { e2e_log "no window '$caption' to capture"; return 1; }
        read -r x y w h <<<"$rect"
        import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$file"
    else
        import -display "$DISPLAY" -window root "$file"
    fi
    e2e_log "screenshot: $file"
}

# Waits until a unix pid has ended; answers 1 when it still runs after the timeout (ms).
e2e_wait_pid_gone() {
    local pid=$1 timeout_ms=$2 waited=0
    while kill -0 "$pid" 2>/dev/null; do
        [ "$waited" -ge "$timeout_ms" ] && return 1
        sleep 0.1
        waited=$((waited + 100))
    done
}
