# A first installation on LPT1: through the engine's test program: the staged files, the driver, the
# printer as default, the monitor copied, registered, linked and running, the INF in the store, the
# uninstall entry, and the report naming both the driver and the monitor.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"

scenario() {
    install_prepare_system
    install_printer_key
    install_kit_copy
    check "installation reaches its report" install_run LPT1: --stage --hold-wait 1500 || return 1
    e2e_screenshot report-desktop
    check_eq "report" "QRV KDP 225 Voyager Printer Driver & Status Monitor installed successfully." \
        "$(install_report)"

    local file
    for file in KDP225VOYG.GPD QRVEKDP225VOYG.INF QRVE9pin.dll unidrv.dll unidrvui.dll unires.dll unidrv.hlp \
        stdnames.gpd Uninstall.exe; do
        check "staged: $file" test -f "$DRIVER_DIR_UNIX/$file"
    done
    check_eq "the printer on LPT1:" "LPT1:" "$(robot printer-port --printer "$PRINTER_NAME")"
    check_eq "the default printer" "$PRINTER_NAME" "$(robot default-printer)"
    check "the monitor copied" test -f "$DRIVER_DIR_UNIX/STM/$MONITOR_EXE_NAME"
    check "the monitor runs" robot proc --exe "$MONITOR_EXE_NAME"
    check_eq "log-on value without .exe" "$DRIVER_DIR\\STM\\KDP225VOYG" \
        "$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' QRVEKDP225VOYG)"
    check "the shortcut" test -f "$WINEPREFIX/drive_c/Documents and Settings/All Users/Start Menu/Programs/QRV Electronics/StatusMonitorKDP225VOYG.LNK"
    local uninstall='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\QRV Electronics'
    check_eq "uninstall entry name" "QRV Electronics Printer Software" "$(reg_value "$uninstall" DisplayName)"
    check_eq "uninstall command" "$DRIVER_DIR\\Uninstall.exe" "$(reg_value "$uninstall" UninstallString)"
    check_eq "uninstall icon" "$DRIVER_DIR\\Uninstall.exe" "$(reg_value "$uninstall" DisplayIcon)"
    check "the INF in the store (Wine keeps its name)" test -f "$WINEPREFIX/drive_c/windows/inf/QRVEKDP225VOYG.INF"
    check "the driver directory's trace" grep -q "^Allocating a buffer of size [0-9]" "$E2E_WORK/install.out"
    e2e_screenshot report "$SETUP_CAPTION"
    check "OK ends the test program" install_confirm
    # On LPT1: without a readable status register the monitor reports no link after eight ticks.
    check "the started monitor watches the printer on LPT1:" monitor_wait_text 1004 "Communicaton Error" 15000
}
