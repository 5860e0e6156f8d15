# Setup.exe as a 32-bit program on 64-bit Windows Vista: the refusal box (its caption, text and lone OK
# button) comes before any other window, and OK ends the program without the splash or the model dialog.
# The session's prefix is 32-bit, so this scenario makes a 64-bit one of its own, with its own wineserver
# and its own shell desktop on the session's display.
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

readonly WOW64_REFUSAL="The application will run only in Windows Vista(32 Bit) Operating System."
PREFIX64=$E2E_WORK/prefix64

# Runs a command or a harness function (robot, e2e_screenshot, ...) against the 64-bit prefix's server.
in_prefix64() { WINEPREFIX=$PREFIX64 WINEARCH=win64 "$@"; }

# Also run from the exit trap, so that a failing or interrupted run leaves no 64-bit wineserver behind.
prefix64_stop() {
    [ -d "$PREFIX64" ] && WINEPREFIX=$PREFIX64 wineserver -k >/dev/null 2>&1
    return 0
}

prefix64_make() {
    local started
    started=$(date +%s%3N)
    in_prefix64 e2e_make_prefix "$PREFIX64" || return 1
    e2e_log "64-bit prefix made in $(($(date +%s%3N) - started)) ms"
}

# The shell desktop of the 64-bit prefix: without it the box is a bare X window, drawn without its frame
# (Xvfb has no window manager), so its screenshot would show neither the caption nor the border.
prefix64_desktop() {
    WINEPREFIX=$PREFIX64 WINEARCH=win64 wine explorer /desktop=shell,1024x768 >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    in_prefix64 robot find --class Shell_TrayWnd --timeout 20000 >/dev/null || return 1
    WINEPREFIX=$PREFIX64 WINEARCH=win64 wine "$ROBOT_EXE" keep-desktop --ms 3600000 >/dev/null 2>&1 &
    E2E_PIDS+=($!)
}

shown() { in_prefix64 robot visible --caption "$SETUP_CAPTION" --id "$1" --timeout 0 >/dev/null 2>&1; }

# Polls until "$2..." succeeds or $1 ms have passed, noting in SEEN_SPLASH / SEEN_MODEL whether the
# splash or the model dialog was visible at any poll meanwhile (the splash stays up a full second).
watch_until() {
    local deadline=$(($(date +%s%3N) + $1))
    shift
    while :; do
        shown "$SETUP_WAIT_TEXT" && SEEN_SPLASH=1
        shown "$SETUP_MODEL_LIST" && SEEN_MODEL=1
        "$@" && return 0
        [ "$(date +%s%3N)" -ge "$deadline" ] && return 1
        sleep 0.05
    done
}

setup_gone() { ! kill -0 "$SETUP_PID" 2>/dev/null; }

only_ok_button() {
    shown 1 || { e2e_log "no visible OK button"; return 1; }
    local id
    for id in 2 3 4 5 6 7 8 9 10 11; do
        shown "$id" && { e2e_log "a visible button $id"; return 1; }
    done
    return 0
}

wow64_refusal() {
    check "the 64-bit prefix is made" prefix64_make || return 1
    check "the prefix is 64-bit (it has syswow64)" test -d "$PREFIX64/drive_c/windows/syswow64" || return 1
    check "the 64-bit prefix's shell desktop is up" prefix64_desktop || return 1
    install_kit_copy

    SEEN_SPLASH=0 SEEN_MODEL=0
    local started
    started=$(date +%s%3N)
    (cd "$KIT_COPY" && export WINEPREFIX=$PREFIX64 WINEARCH=win64 && exec wine Setup.exe \
        >"$E2E_WORK/setup.out" 2>/dev/null) &
    SETUP_PID=$!
    E2E_PIDS+=("$SETUP_PID")
    check "the refusal box comes up" watch_until 30000 shown "$MESSAGE_TEXT_ID" || return 1
    e2e_log "Setup.exe to its box: $(($(date +%s%3N) - started)) ms"
    check_eq "no splash before the box" 0 "$SEEN_SPLASH"
    check_eq "no model dialog before the box" 0 "$SEEN_MODEL"
    in_prefix64 e2e_screenshot refusal-desktop
    in_prefix64 e2e_screenshot refusal "$SETUP_CAPTION"

    check_eq "the box's text" "$WOW64_REFUSAL" "$(in_prefix64 setup_box_text)"
    check_eq "the box is the program's only window of that caption" 1 \
        "$(in_prefix64 robot find --all --caption "$SETUP_CAPTION" | wc -l)"
    check_eq "its class is a dialog's" "#32770" \
        "$(in_prefix64 robot find --all --caption "$SETUP_CAPTION" | cut -f2)"
    check "only an OK button" only_ok_button
    check_eq "the button reads OK" "OK" "$(in_prefix64 robot text --caption "$SETUP_CAPTION" --id 1)"

    SEEN_SPLASH=0 SEEN_MODEL=0
    in_prefix64 setup_answer_box 1
    check "OK ends Setup.exe" watch_until 10000 setup_gone
    check_eq "no splash after OK" 0 "$SEEN_SPLASH"
    check_eq "no model dialog after OK" 0 "$SEEN_MODEL"
}

scenario() {
    trap 'prefix64_stop; e2e_cleanup' EXIT
    wow64_refusal
    local status=$?
    prefix64_stop
    trap e2e_cleanup EXIT
    return $status
}
