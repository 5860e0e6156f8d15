# The model's printer arriving while the system has not linked its USB printing interface: the lookup
# tells the user to connect the printer properly (the program's name as caption), and the installation
# then runs on the port name "FALSE". Wine's spooler creates a printer on a port it does not know (a
# real one refuses it; the engine's bounded retry for that case is shown with the spooler double).
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

readonly THIS_PRINTER="\\\\?\\USB#VID_6A2F&PID_1101#qrv-225voyg#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"
readonly LOOKUP_CAPTION=Setup

scenario() {
    install_prepare_system
    install_printer_key
    install_kit_copy
    usb_record_printer_interface 3 0

    setup_start
    check "the model dialog opens" setup_wait_window "$SETUP_MODEL_LIST" 30000 || return 1
    setup_click 1
    check "the USB dialog opens" setup_wait_window "$SETUP_MANUAL_BUTTON" 30000 || return 1
    robot devchange --caption "$SETUP_CAPTION" --event arrival --name "$THIS_PRINTER" --timeout 120000 \
        >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    check "the lookup asks to connect the printer" \
        robot find --caption "$LOOKUP_CAPTION" --id "$MESSAGE_TEXT_ID" --timeout 20000 || return 1
    check_eq "its text" "Please connect printer properly" \
        "$(robot text --caption "$LOOKUP_CAPTION" --id "$MESSAGE_TEXT_ID")"
    e2e_screenshot connect-properly "$LOOKUP_CAPTION"
    robot click --caption "$LOOKUP_CAPTION" --id 1 >/dev/null
    check "the installation reports" setup_wait_box 90000 || return 1
    check_eq "the printer was given the port name FALSE" "FALSE" \
        "$(robot printer-port --printer "$PRINTER_NAME")"
    setup_answer_box 1
    check "the setup program ends" e2e_wait_pid_gone "$SETUP_PID" 10000
}
