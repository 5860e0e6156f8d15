# A kit whose INF the system's INF store refuses. Wine's SetupCopyOEMInfA refuses an INF whose catalog
# file is missing, one without a Signature line and one that is not text at all (it also refuses an
# empty INF and one without [Version]; it takes "$Chicago$" and UTF-16 text). On the USB path the INF is
# registered first: the model's printer arriving must end in the 0x001C report with nothing installed,
# and the program must end after OK. On the Manual path the INF comes after the printer, whose use on
# a chosen port needs no Plug and Play match: the installation completes, is reported as such, and the
# refused INF is not in the store.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

readonly THIS_PRINTER="\\\\?\\usb#vid_6a2f&pid_1101#qrv-225voyg#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"
readonly ERROR_DIRECTORY="Unexpected error 0x001C occured."
readonly INF_NAME="QRVE$MODEL_ID.INF"
readonly INF_STORE=$WINEPREFIX/drive_c/windows/inf

# How each refused INF is made from the kit copy's own: name<TAB>command (run in the kit copy).
readonly REFUSED_INFS="catalog-missing	rm -f QRVE$MODEL_ID.CAT
no-signature	sed -i '/^Signature=/d' $INF_NAME
not-text	head -c 4096 Setup.exe >$INF_NAME"

monitor_runs() { robot proc --exe "$MONITOR_EXE_NAME" >/dev/null 2>&1; }

# What an installation would leave, one line each; nothing when the system is as before.
leftovers() {
    robot printers | cut -f1 | sed 's/^/printer: /'
    robot reg-has --key "$DRIVERS_KEY\\$PRINTER_NAME" >/dev/null 2>&1 && echo "the printer driver"
    [ -e "$INF_STORE/$INF_NAME" ] && echo "the INF in the store"
    robot reg-has --key "$UNINSTALL_KEY" >/dev/null 2>&1 && echo "the uninstall entry"
    robot reg-has --key "$RUN_KEY" --value "QRVE$MODEL_ID" >/dev/null 2>&1 && echo "the log-on value"
    [ -e "$DRIVER_DIR_UNIX/STM" ] && echo "the monitor's folder"
    monitor_runs && echo "a running monitor"
}

# Setup.exe from the kit copy to its USB dialog, past the model dialog's OK (which stages the files).
setup_to_usb_dialog() {
    setup_start
    setup_wait_window "$SETUP_MODEL_LIST" 30000 || return 1
    setup_click 1
    setup_wait_window "$SETUP_MANUAL_BUTTON" 30000
}

# One refused INF through the USB path: $1 names the case, $2 makes the INF.
usb_case() {
    local name=$1 make=$2
    install_kit_copy
    (cd "$KIT_COPY" && eval "$make") || return 1
    # Files an earlier case staged would stand in for what this kit lacks.
    (cd "$KIT_COPY" && find . -maxdepth 1 -type f -printf '%f\n') | while read -r file; do
        rm -f "$DRIVER_DIR_UNIX/$file"
    done
    check "$name: Setup.exe reaches the USB dialog" setup_to_usb_dialog || return 1
    robot devchange --caption "$SETUP_CAPTION" --event arrival --name "$THIS_PRINTER" --timeout 120000 \
        >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    check "$name: the arrival ends in a report" setup_wait_box 60000 || return 1
    check_eq "$name: the report" "$ERROR_DIRECTORY" "$(setup_box_text)"
    [ "$name" = catalog-missing ] && e2e_screenshot "usb-$name" "$SETUP_CAPTION"
    check_eq "$name: nothing installed" "" "$(leftovers)"
    setup_answer_box 1
    check "$name: the setup program ends after OK" e2e_wait_pid_gone "$SETUP_PID" 10000
}

scenario() {
    install_prepare_system
    usb_record_printer_interface 3
    robot add-port --port USB003 >/dev/null
    check_eq "a clean system to start from" "" "$(leftovers)" || return 1

    local name make
    while IFS=$'\t' read -r name make; do
        usb_case "$name" "$make"
    done <<<"$REFUSED_INFS"

    # The Manual path with the kit that lacks its catalog, on LPT1: (the port dialog's choice).
    install_printer_key
    install_kit_copy
    rm -f "$KIT_COPY/QRVE$MODEL_ID.CAT" "$DRIVER_DIR_UNIX/QRVE$MODEL_ID.CAT"
    check "manual: Setup.exe reaches the USB dialog" setup_to_usb_dialog || return 1
    setup_click "$SETUP_MANUAL_BUTTON"
    check "manual: the port dialog opens" setup_wait_window "$SETUP_PORT_LIST" 10000 || return 1
    robot key --caption "$SETUP_CAPTION" --id "$SETUP_PORT_LIST" --vk RETURN >/dev/null
    check "manual: Enter installs and reports" setup_wait_box 60000 || return 1
    e2e_screenshot manual-report "$SETUP_CAPTION"
    check_eq "manual: the report names driver and monitor" \
        "$PRINTER_NAME Printer Driver & Status Monitor installed successfully." "$(setup_box_text)"
    check_eq "manual: the printer on LPT1:" "LPT1:" "$(robot printer-port --printer "$PRINTER_NAME")"
    check "manual: the driver added" robot reg-has --key "$DRIVERS_KEY\\$PRINTER_NAME"
    check "manual: the monitor runs" monitor_runs
    check "manual: the refused INF is not in the store" test ! -e "$INF_STORE/$INF_NAME"
    setup_answer_box 1
    check "manual: the setup program ends after OK" e2e_wait_pid_gone "$SETUP_PID" 10000
}
