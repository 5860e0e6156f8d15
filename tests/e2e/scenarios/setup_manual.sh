# The whole kit through Manual: Setup.exe, the model dialog's OK (staging), the USB dialog's Manual, the
# port list in the spooler's order with LPT1: pre-selected, choosing COM1:, Escape and the IDOK command
# doing nothing, Enter installing, the report, and the started monitor watching the printer on COM1:.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

ports_visible() { robot visible --caption "$SETUP_CAPTION" --id "$SETUP_PORT_LIST" --timeout 0 >/dev/null 2>&1; }
usb_dialog_visible() { robot visible --caption "$SETUP_CAPTION" --id "$SETUP_MANUAL_BUTTON" --timeout 0 >/dev/null 2>&1; }
model_dialog_visible() { robot visible --caption "$SETUP_CAPTION" --id "$SETUP_MODEL_LIST" --timeout 0 >/dev/null 2>&1; }

# The spooler's ports as the dialog must list them: "name (description)", in the spooler's order.
expected_port_texts() { robot ports | awk -F '\t' '{ print $1 " (" $2 ")" }'; }

scenario() {
    install_prepare_system
    install_printer_key
    install_kit_copy

    setup_start
    check "the model dialog opens" setup_wait_window "$SETUP_MODEL_LIST" 30000 || return 1
    setup_click 1
    check "OK leads to the USB dialog" setup_wait_window "$SETUP_MANUAL_BUTTON" 30000 || return 1
    check "the model dialog has gone" not model_dialog_visible
    check "the driver files were staged" test -f "$DRIVER_DIR_UNIX/QRVEKDP225VOYG.INF"
    sleep 0.3
    e2e_screenshot usb "$SETUP_CAPTION"

    setup_click "$SETUP_MANUAL_BUTTON"
    check "Manual leads to the port dialog" setup_wait_window "$SETUP_PORT_LIST" 10000 || return 1
    check "the USB dialog has gone" not usb_dialog_visible
    sleep 0.3
    e2e_screenshot ports "$SETUP_CAPTION"
    local listed expected
    listed=$(robot list-items --caption "$SETUP_CAPTION" --id "$SETUP_PORT_LIST")
    expected=$(expected_port_texts)
    check_eq "the ports in the spooler's order, as name (description)" "$expected" "$listed"
    check_eq "LPT1: pre-selected, its full text in Current Port" "LPT1: (Local Port)" \
        "$(robot text --caption "$SETUP_CAPTION" --id "$SETUP_CURRENT_PORT")"
    check "the Current Port field is read-only" \
        test $(( $(robot style --caption "$SETUP_CAPTION" --id "$SETUP_CURRENT_PORT" | head -n 1) & 0x800 )) -ne 0

    local com1_index
    com1_index=$(($(printf '%s\n' "$listed" | grep -n '^COM1: ' | cut -d: -f1) - 1))
    robot list-select --caption "$SETUP_CAPTION" --id "$SETUP_PORT_LIST" --index "$com1_index" >/dev/null
    check_eq "choosing COM1: shows its full text" "COM1: (Local Port)" \
        "$(robot text --caption "$SETUP_CAPTION" --id "$SETUP_CURRENT_PORT")"
    e2e_screenshot com1-chosen "$SETUP_CAPTION"

    robot key --caption "$SETUP_CAPTION" --id "$SETUP_PORT_LIST" --vk ESCAPE >/dev/null
    robot command --caption "$SETUP_CAPTION" --cmd 1 >/dev/null
    sleep 0.5
    check "Escape and the IDOK command leave the dialog open" ports_visible
    check "and ask nothing" not setup_box_visible

    local started=$(date +%s%3N)
    robot key --caption "$SETUP_CAPTION" --id "$SETUP_PORT_LIST" --vk RETURN >/dev/null
    check "Enter installs and reports" setup_wait_box 60000 || return 1
    e2e_log "installation to its report: $(( $(date +%s%3N) - started )) ms"
    e2e_screenshot report "$SETUP_CAPTION"
    check_eq "the report" "QRV KDP 225 Voyager Printer Driver & Status Monitor installed successfully." \
        "$(setup_box_text)"
    check_eq "the printer on COM1:" "COM1:" "$(robot printer-port --printer "$PRINTER_NAME")"
    check_eq "the default printer" "$PRINTER_NAME" "$(robot default-printer)"
    setup_answer_box 1
    check "the setup program ends after the report" e2e_wait_pid_gone "$SETUP_PID" 10000
    check "the monitor was started" robot proc --exe "$MONITOR_EXE_NAME"
    # COM1: has no status register: the spooler's idle queue is all the monitor reports.
    check "the monitor finds the printer on COM1: ready" monitor_wait_text 1005 "Ready to print." 15000
}
