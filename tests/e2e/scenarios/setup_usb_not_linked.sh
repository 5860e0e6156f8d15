# The model's printer arriving while the system has not linked its USB printing interface: the lookup
# tells the user to connect the printer properly (the program's name as caption), and the installation
# then runs on the port name "FALSE". Wine's spooler creates a printer on a port it does not know; a
# real one refuses it, which the second run shows with the spooler double: the installer gives up after
# its bounded retries and reports the printer error instead of waiting for ever.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

readonly THIS_PRINTER="\\\\?\\USB#VID_6A2F&PID_1101#qrv-225voyg#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"
readonly LOOKUP_CAPTION=Setup
readonly ERROR_UNKNOWN_PORT=1796

# Setup.exe to the USB dialog, the printer's arrival, and OK on the lookup's box; the report follows.
arrival_with_unlinked_interface() {
    setup_start
    setup_wait_window "$SETUP_MODEL_LIST" 30000 || return 1
    setup_click 1
    setup_wait_window "$SETUP_MANUAL_BUTTON" 30000 || return 1
    robot devchange --caption "$SETUP_CAPTION" --event arrival --name "$THIS_PRINTER" --timeout 120000 \
        >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    robot find --caption "$LOOKUP_CAPTION" --id "$MESSAGE_TEXT_ID" --timeout 20000 >/dev/null || return 1
    robot click --caption "$LOOKUP_CAPTION" --id 1 >/dev/null
}

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

    install_kit_copy
    setup_use_spooler_double || return 1
    spooler_set AddPrinterError dword "$ERROR_UNKNOWN_PORT" >/dev/null
    local started=$(date +%s)
    check "again, with a spooler that does not know the port" arrival_with_unlinked_interface || return 1
    check "the installation gives up and reports" setup_wait_box 120000 || return 1
    local waited=$(( $(date +%s) - started ))
    e2e_log "from the arrival to the report: $waited s"
    check_eq "the report" "Unexpected error 0x003C occured." "$(setup_box_text)"
    check_eq "on the port name FALSE" "FALSE" "$(spooler_get LastPrinterPort)"
    # Fifteen tries two seconds apart, after the arrival's two-second pause.
    check "after its bounded retries" test "$waited" -ge 28 -a "$waited" -le 90
    e2e_screenshot report-unknown-port "$SETUP_CAPTION"
    setup_answer_box 1
    check "the setup program ends" e2e_wait_pid_gone "$SETUP_PID" 10000
}
