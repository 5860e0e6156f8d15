# The kit run a second time in the same system, both times through Manual on LPT1:: the second printer
# gets the copy name and the driver-only report, and the monitor the first run started is left alone.
# Wine's spooler overwrites a printer of the same name instead of refusing it, so the second run asks
# the spooler double, which refuses the name the first run took.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

scenario() {
    install_prepare_system
    install_printer_key
    install_kit_copy
    check "the first run reports" setup_run_manual || return 1
    check_eq "the first report" "QRV KDP 225 Voyager Printer Driver & Status Monitor installed successfully." \
        "$(setup_box_text)"
    setup_answer_box 1
    check "the first run ends" e2e_wait_pid_gone "$SETUP_PID" 10000
    check "the monitor runs" robot find --caption "$MONITOR_CAPTION" --timeout 15000
    local monitor_before
    monitor_before=$(robot proc --exe "$MONITOR_EXE_NAME")

    local run_value
    run_value=$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' QRVEKDP225VOYG)

    install_kit_copy
    setup_use_spooler_double || return 1
    spooler_set Ports multi_sz $'COM1:\tLocal Port|LPT1:\tLocal Port' >/dev/null
    spooler_set ExistingPrinters multi_sz "$PRINTER_NAME" >/dev/null
    check "the second run reports" setup_run_manual || return 1
    check_eq "the second report names the copy and only the driver" \
        "QRV KDP 225 Voyager (Copy 1) Printer Driver installed successfully." "$(setup_box_text)"
    e2e_screenshot second-report "$SETUP_CAPTION"
    setup_answer_box 1
    check "the second run ends" e2e_wait_pid_gone "$SETUP_PID" 10000
    check_eq "the copy asked for on LPT1:" "LPT1:" "$(spooler_get LastPrinterPort)"
    check_eq "the copy asked for by its copy name" "$PRINTER_NAME (Copy 1)" "$(spooler_get LastPrinterName)"
    check_eq "the copy made the default printer" "$PRINTER_NAME (Copy 1)" "$(spooler_get DefaultPrinter)"
    check_eq "the first printer stays" "LPT1:" "$(robot printer-port --printer "$PRINTER_NAME")"
    check_eq "the log-on value is unchanged" "$run_value" \
        "$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' QRVEKDP225VOYG)"
    sleep 2
    check_eq "the same one monitor still runs" "$monitor_before" "$(robot proc --exe "$MONITOR_EXE_NAME")"
}
