# The setup program's start-up refusals that a 32-bit Vista prefix can show: a second copy while the
# first shows its model dialog (the first carries on), and systems other than Vista (Windows 7, XP),
# each with its own message, an error box of its own and no window before it.
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

readonly TEXT_ANOTHER_COPY="Another application is already running. Please terminate the previous application."
readonly TEXT_VISTA_ONLY="The application will run only in Windows Vista (32 Bit) Operating System."

# Starts another Setup.exe and expects the refusal $1: the box, no splash or model dialog before it,
# and the program's end once OK is pressed. Leaves the first copy's windows alone.
refused_start() {
    local text=$1 pid
    (cd "$KIT_COPY" && exec wine Setup.exe >/dev/null 2>&1) &
    pid=$!
    E2E_PIDS+=("$pid")
    local deadline=$(( $(date +%s%3N) + 30000 ))
    while [ "$(date +%s%3N)" -lt "$deadline" ]; do
        robot visible --caption "$SETUP_CAPTION" --id "$MESSAGE_TEXT_ID" --timeout 0 >/dev/null 2>&1 && break
        sleep 0.1
    done
    [ "$(setup_box_text)" = "$text" ] || { e2e_log "box: $(setup_box_text)"; return 1; }
    robot visible --caption "$SETUP_CAPTION" --id "$SETUP_WAIT_TEXT" --timeout 0 >/dev/null 2>&1 &&
        { e2e_log "the splash showed before the refusal"; return 1; }
    e2e_screenshot "refused-$2" "$SETUP_CAPTION"
    setup_answer_box 1
    e2e_wait_pid_gone "$pid" 10000
}

model_dialog_visible() { robot visible --caption "$SETUP_CAPTION" --id "$SETUP_MODEL_LIST" --timeout 0 >/dev/null 2>&1; }

scenario() {
    install_kit_copy
    setup_start
    check "the first copy shows its model dialog" setup_wait_window "$SETUP_MODEL_LIST" 30000 || return 1
    check "a second copy is refused" refused_start "$TEXT_ANOTHER_COPY" another-copy
    check "the first copy carries on" model_dialog_visible
    setup_click 2
    setup_wait_box 10000 && setup_answer_box 6
    check "the first copy ends on Cancel and Yes" e2e_wait_pid_gone "$SETUP_PID" 10000

    local version
    for version in win7 winxp; do
        robot reg-set --key 'HKCU\Software\Wine\AppDefaults\Setup.exe' --value Version --type sz \
            --data "$version" >/dev/null
        check "refused on $version" refused_start "$TEXT_VISTA_ONLY" "$version"
    done
    robot reg-del --key 'HKCU\Software\Wine\AppDefaults\Setup.exe' >/dev/null
    # Once the system is Vista again, the same kit runs: the refusals were the version's doing.
    setup_start
    check "back on Vista the model dialog opens" setup_wait_window "$SETUP_MODEL_LIST" 30000
}
