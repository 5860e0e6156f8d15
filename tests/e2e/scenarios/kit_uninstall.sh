# The kit's own files under Wine's spooler: the installation engine adds driver and printer with the
# stand-in DLLs answering the spooler; Uninstall.exe removes everything the installation added, a second
# run finds nothing, and the model installs again after.
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"

KIT_CLIENT=$(dirname "$ROBOT_EXE")/kit/tests/kit_install_client.exe
UNINSTALLER=$DRIVER_DIR_UNIX/Uninstall.exe
BOX_CAPTION="QRVE Printer Driver - Setup"
MENU_DIR="$WINEPREFIX/drive_c/Documents and Settings/All Users/Start Menu/Programs/QRV Electronics"
IDYES=6
IDNO=7
IDOK=1

kit_client() { wine "$KIT_CLIENT" "$@" 2>>"$E2E_WORK/client.log" | tr -d '\r'; }

# The result of one "step<TAB>result" line of the client's report.
report_value() { awk -F'\t' -v step="$2" '$1 == step { print $2; exit }' <<<"$1"; }

# Printers named after the model, or as the setup program names its copies.
model_printers() {
    robot printers | cut -f1 | awk -v name="$DISPLAY_NAME" '$0 == name || index($0, name " (Copy ") == 1'
}

absent() { ! robot reg-has "$@" >/dev/null 2>&1; }

# A further printer on the model's driver (the robot makes Wine's printer key first).
add_printer() { robot add-printer --printer "$1" --port "$2" --driver "$DISPLAY_NAME" >/dev/null; }

# The engine's whole installation on LPT1: from a fresh copy of the kit; answers its report's verdict.
install_kit() {
    install_prepare_system
    install_printer_key "$DISPLAY_NAME"
    install_kit_copy
    install_run LPT1: --stage || return 1
    local report
    report=$(install_report)
    install_confirm
    [ "$report" = "$DISPLAY_NAME Printer Driver & Status Monitor installed successfully." ]
}

# Waits up to ten seconds for one of our message boxes with exactly that text.
box_shows() {
    robot find --caption "$BOX_CAPTION" --timeout 10000 >/dev/null &&
        [ "$(robot text --caption "$BOX_CAPTION" --id 65535)" = "$1" ]
}

# Starts Uninstall.exe with its boxes, answers the question and, after Yes, acknowledges the report.
# Sets UNINSTALL_EXIT.
uninstall_answering() {
    local answer=$1
    e2e_start "$UNINSTALLER"
    local pid=$E2E_LAST_PID
    check "Uninstall.exe asks first" box_shows "Remove the $DISPLAY_NAME printer software?" || return 1
    e2e_screenshot "confirm-$answer" "$BOX_CAPTION"
    if [ "$answer" = yes ]; then
        robot click --caption "$BOX_CAPTION" --id "$IDYES" >/dev/null
        check "it reports the removal" box_shows "The $DISPLAY_NAME printer software has been removed." ||
            return 1
        e2e_screenshot removed "$BOX_CAPTION"
        robot click --caption "$BOX_CAPTION" --id "$IDOK" >/dev/null
    else
        robot click --caption "$BOX_CAPTION" --id "$IDNO" >/dev/null
    fi
    check "it ends" e2e_wait_pid_gone "$pid" 10000 || return 1
    wait "$pid"
    UNINSTALL_EXIT=$?
}

nothing_of_the_model_left() {
    check_eq "no printer of the model" "" "$(model_printers)"
    check "the driver is gone" absent --key "$DRIVERS_KEY\\$DISPLAY_NAME"
    check "the start-up value is gone" absent --key "$RUN_KEY" --value "QRVE$MODEL_ID"
    check "the uninstall entry is gone" absent --key "$UNINSTALL_KEY"
    check "the monitor's folder is gone" test ! -e "$DRIVER_DIR_UNIX/STM"
    check "the Start menu folder is gone" test ! -e "$MENU_DIR"
}

check_installed() {
    check_eq "the printer is the default" "$DISPLAY_NAME" "$(robot default-printer)" || return 1
    check "the monitor runs" robot find --caption "$DISPLAY_NAME - Status Monitor" --timeout 15000 >/dev/null
}

check_stand_in_answers() {
    local record caps
    record=$(kit_client printer "$DISPLAY_NAME")
    check_eq "GetPrinterA level 2" ok "$(report_value "$record" get-printer)"
    check_eq "the printer's driver" "$DISPLAY_NAME" "$(report_value "$record" driver)"
    # paper, resolution, orientation, copies, source: Letter, 240x216, portrait, 1, tractor
    check_eq "the stand-in's default device mode was stored" "1 240x216 1 1 8" \
        "$(report_value "$record" devmode)"
    caps=$(kit_client caps "$DISPLAY_NAME")
    check_eq "papers from the stand-in" "1 9 40" "$(report_value "$caps" papers)"
    check_eq "resolutions from the stand-in" "120x72 240x216" "$(report_value "$caps" resolutions)"
    check_eq "a chosen paper and resolution are kept" "9 120x72 1 1 8" \
        "$(report_value "$(kit_client devmode "$DISPLAY_NAME" 9 120 72)" devmode-chosen)"
    check_eq "a resolution the printer lacks is not" "1 240x216 1 1 8" \
        "$(report_value "$(kit_client devmode "$DISPLAY_NAME" 1 300 300)" devmode-chosen)"
}

scenario() {
    local names inf gpd file
    names=$(kit_client names)
    DISPLAY_NAME=$(report_value "$names" display-name)
    inf=$(report_value "$names" inf)
    gpd=$(report_value "$names" gpd)
    check "the client knows the model" test -n "$DISPLAY_NAME" || return 1
    for file in "$inf" "$gpd" "QRVE$MODEL_ID.CAT" QRVE9pin.dll unidrv.dll unidrvui.dll unires.dll unidrv.hlp \
        stdnames.gpd Uninstall.exe "STM/$MODEL_ID.exe"; do
        check "the kit holds $file" test -s "$KIT_DIR/$file" || return 1
    done

    check "the engine installs the kit" install_kit
    check_installed || return 1
    check "the INF is in the INF store" test -s "$WINEPREFIX/drive_c/windows/inf/$inf"
    check_eq "a second SetupCopyOEMInfA" "error 80" "$(report_value "$(kit_client copy-inf)" copy-inf)"
    check_stand_in_answers

    # A copy of the printer belongs to the model; a printer of another name stays.
    check "a copy of the printer" add_printer "$DISPLAY_NAME (Copy 1)" LPT2:
    check "a printer of another name" add_printer "Kit test printer" FILE:
    wine "$UNINSTALLER" /quiet >/dev/null 2>&1
    check_eq "Uninstall.exe /quiet answers 0" 0 "$?"
    check "the monitor has ended" robot wait-exit --exe "$MODEL_ID.exe" --timeout 5000
    nothing_of_the_model_left
    check_eq "the other printer stays" "Kit test printer" "$(robot printers | cut -f1)"
    wine "$UNINSTALLER" /quiet >/dev/null 2>&1
    check_eq "a second run finds nothing and answers 0" 0 "$?"

    check "the model installs again" install_kit
    check_installed || return 1

    uninstall_answering no || return 1
    check_eq "No answers 2" 2 "$UNINSTALL_EXIT"
    check_eq "No removes nothing" "$DISPLAY_NAME" "$(model_printers)"
    uninstall_answering yes || return 1
    check_eq "Yes answers 0" 0 "$UNINSTALL_EXIT"
    nothing_of_the_model_left
}
