# The USB auto-detect path: the dialog ignores other devices, removals, Escape and a No to the exit
# question; the model's printer arriving (its name in lower case) ends the dialog and installs on the
# USB port the system recorded for it (port number 3: USB003), behind the please-wait window.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

readonly USB_CLASS='{a5dcbf10-6530-11d2-901f-00c04fb951ed}'
readonly OTHER_VENDOR="\\\\?\\USB#VID_046D&PID_C52B#qrv-225voyg#$USB_CLASS"
readonly OTHER_MODEL="\\\\?\\USB#VID_6A2F&PID_1101#qrv-215onyx#$USB_CLASS"
readonly THIS_PRINTER_LOWER="\\\\?\\usb#vid_6a2f&pid_1101#qrv-225voyg#$USB_CLASS"

usb_dialog_visible() { robot visible --caption "$SETUP_CAPTION" --id "$SETUP_MANUAL_BUTTON" --timeout 0 >/dev/null 2>&1; }

# The dialog still waiting: visible, and nothing else of the setup program's on the screen.
still_waiting() {
    sleep 0.5
    usb_dialog_visible && ! setup_box_visible &&
        ! robot visible --caption "$SETUP_CAPTION" --id "$SETUP_WAIT_TEXT" --timeout 0 >/dev/null 2>&1
}

# Announces a device event to the dialog (the dialog itself, not one of its controls).
usb_dialog_event() { robot devchange --caption "$SETUP_CAPTION" --event "$1" --name "$2" --timeout "${3:-5000}"; }

scenario() {
    install_prepare_system
    install_printer_key
    install_kit_copy
    usb_record_printer_interface 3
    robot add-port --port USB003 >/dev/null

    setup_start
    check "the model dialog opens" setup_wait_window "$SETUP_MODEL_LIST" 30000 || return 1
    setup_click 1
    check "the USB dialog opens" setup_wait_window "$SETUP_MANUAL_BUTTON" 30000 || return 1
    sleep 0.3
    e2e_screenshot usb-waiting "$SETUP_CAPTION"

    usb_dialog_event arrival "$OTHER_VENDOR" >/dev/null
    check "another vendor's device is ignored" still_waiting
    usb_dialog_event arrival "$OTHER_MODEL" >/dev/null
    check "another model of the family is ignored" still_waiting
    usb_dialog_event removal "$THIS_PRINTER_LOWER" >/dev/null
    check "the printer's removal is ignored" still_waiting
    robot key --caption "$SETUP_CAPTION" --id "$SETUP_MANUAL_BUTTON" --vk ESCAPE >/dev/null
    check "Escape does nothing" still_waiting
    setup_click 1005
    check "Cancel asks the exit question" setup_wait_box 10000
    setup_answer_box 7
    check "No keeps it waiting" still_waiting

    # The handler runs the whole installation before it answers, so the event is sent in the background.
    usb_dialog_event arrival "$THIS_PRINTER_LOWER" 120000 >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    check "the arrival shows the please-wait window" setup_wait_window "$SETUP_WAIT_TEXT" 10000
    check "and ends the USB dialog" not usb_dialog_visible
    e2e_screenshot please-wait "$SETUP_CAPTION"
    check "the installation reports" setup_wait_box 60000 || return 1
    check_eq "the report" "QRV KDP 225 Voyager Printer Driver & Status Monitor installed successfully." \
        "$(setup_box_text)"
    e2e_screenshot report "$SETUP_CAPTION"
    check_eq "the printer on the recorded USB port" "USB003" "$(robot printer-port --printer "$PRINTER_NAME")"
    check "the INF registered" test -f "$WINEPREFIX/drive_c/windows/inf/QRVEKDP225VOYG.INF"
    setup_answer_box 1
    check "the setup program ends" e2e_wait_pid_gone "$SETUP_PID" 10000
}
