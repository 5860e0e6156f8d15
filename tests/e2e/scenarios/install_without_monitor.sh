# A kit whose STM folder lacks the monitor: the printer is installed and the report names the driver
# only; no log-on value, no shortcut, no monitor started. A kit lacking the driver's files is refused.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"

scenario() {
    install_prepare_system
    install_printer_key
    install_kit_copy
    rm -f "$KIT_COPY/STM/$MONITOR_EXE_NAME"
    check "installation reaches its report" install_run COM1: --stage || return 1
    check_eq "report without the monitor" "QRV KDP 225 Voyager Printer Driver installed successfully." \
        "$(install_report)"
    e2e_screenshot report "$SETUP_CAPTION"
    check_eq "the printer on COM1:" "COM1:" "$(robot printer-port --printer "$PRINTER_NAME")"
    check "no log-on value" not robot reg-has --key 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' \
        --value QRVEKDP225VOYG
    check "no shortcut" test ! -e "$WINEPREFIX/drive_c/Documents and Settings/All Users/Start Menu/Programs/QRV Electronics/StatusMonitorKDP225VOYG.LNK"
    check "no monitor running" not robot proc --exe "$MONITOR_EXE_NAME"
    check "OK ends the test program" install_confirm
}
