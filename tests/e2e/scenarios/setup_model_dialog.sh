# Setup.exe from its start: the please-wait splash, then the model dialog with its one entry selected
# and focused, OK following clicks on and beside the entry, Escape swallowed, the exit question
# keeping the dialog on No (from Cancel and from the close box) and ending the program on Yes.
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

readonly WAIT_TEXT=$'Now the printer will be installed ...\nPlease wait ...'
readonly EXIT_QUESTION=$'Setup is not complete. If you quit now, the program will not be installed.\nExit Setup?'

model_visible() { robot visible --caption "$SETUP_CAPTION" --id "$SETUP_MODEL_LIST" --timeout 0 >/dev/null 2>&1; }
splash_visible() { robot visible --caption "$SETUP_CAPTION" --id "$SETUP_WAIT_TEXT" --timeout 0 >/dev/null 2>&1; }
box_visible() { robot visible --caption "$SETUP_CAPTION" --id "$MESSAGE_TEXT_ID" --timeout 0 >/dev/null 2>&1; }
ok_enabled() { robot enabled --caption "$SETUP_CAPTION" --id 1 >/dev/null 2>&1; }
not_ok_enabled() { ! ok_enabled; }

# Asks the exit question by $1 (cancel|close), answers No and expects the dialog unchanged.
exit_question_no_keeps_dialog() {
    case $1 in
    cancel) setup_click 2 ;;
    close) robot close --caption "$SETUP_CAPTION" >/dev/null ;;
    esac
    setup_wait_box 10000 || { e2e_log "no exit question after $1"; return 1; }
    [ "$(setup_box_text)" = "$EXIT_QUESTION" ] || { e2e_log "question: $(setup_box_text)"; return 1; }
    setup_answer_box 7
    sleep 0.5
    model_visible && ! box_visible
}

scenario() {
    install_kit_copy
    setup_start
    check "the splash comes first" setup_wait_window "$SETUP_WAIT_TEXT" 30000 || return 1
    check "the model dialog is not up during the splash" not model_visible
    check_eq "the splash's text" "$WAIT_TEXT" "$(robot text --caption "$SETUP_CAPTION" --id "$SETUP_WAIT_TEXT")"
    e2e_screenshot splash "$SETUP_CAPTION"
    check "the model dialog follows" setup_wait_window "$SETUP_MODEL_LIST" 10000 || return 1
    check "the splash has gone" not splash_visible
    sleep 0.3
    e2e_screenshot model "$SETUP_CAPTION"

    check_eq "one entry, the model's, selected and focused" $'0\tselected,focused\tQRV KDP 225 Voyager' \
        "$(robot listview-items --caption "$SETUP_CAPTION" --id "$SETUP_MODEL_LIST")"
    check_eq "the list has the keyboard focus" "$SETUP_MODEL_LIST" \
        "$(robot focus --caption "$SETUP_CAPTION" --id "$SETUP_MODEL_LIST" | tail -n 1)"
    check_eq "the version label" "Version 2.01 (9W)" "$(robot text --caption "$SETUP_CAPTION" --id 1009)"
    check "OK starts enabled" ok_enabled

    robot listview-click --caption "$SETUP_CAPTION" --id "$SETUP_MODEL_LIST" --point 5,5 >/dev/null
    check "a click beside the entry disables OK" not_ok_enabled
    robot key --caption "$SETUP_CAPTION" --id "$SETUP_MODEL_LIST" --vk RIGHT >/dev/null
    sleep 0.3
    check "the keyboard does not enable it" not_ok_enabled
    robot listview-click --caption "$SETUP_CAPTION" --id "$SETUP_MODEL_LIST" --index 0 >/dev/null
    check "a click on the entry enables it again" ok_enabled

    robot key --caption "$SETUP_CAPTION" --id "$SETUP_MODEL_LIST" --vk ESCAPE >/dev/null
    sleep 0.5
    check "Escape leaves the dialog open" model_visible
    check "no question after Escape" not box_visible
    check "Cancel asks, No keeps the dialog" exit_question_no_keeps_dialog cancel
    e2e_screenshot after-no "$SETUP_CAPTION"
    check "the close box asks, No keeps the dialog" exit_question_no_keeps_dialog close

    setup_click 2
    check "Cancel asks again" setup_wait_box 10000
    e2e_screenshot exit-question "$SETUP_CAPTION"
    setup_answer_box 6
    check "Yes ends the setup program" e2e_wait_pid_gone "$SETUP_PID" 10000
    check "nothing was staged" not test -e "$DRIVER_DIR_UNIX/QRVEKDP225VOYG.INF"
}
