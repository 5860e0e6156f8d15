# A kit copy lacking one of its files, each file in turn, through the engine's test program (staging,
# then an installation on LPT1:), each case in a fresh copy of the base prefix so that nothing an earlier
# case staged stands in for the missing file. Every case must end in a report box and the program must
# end after OK, and the report must agree with what the system then holds; the outcome each missing
# file should give is in the table below. Cases whose outcome Wine cannot show are listed in
# OUTCOME_NOT_SHOWN: they still run and must not crash or hang, but their outcome check is skipped with
# a log line.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"

readonly INF_STORE_FILE="$WINEPREFIX/drive_c/windows/inf/QRVE$MODEL_ID.INF"
readonly TEXT_BOTH="$PRINTER_NAME Printer Driver & Status Monitor installed successfully."
readonly TEXT_DRIVER_ONLY="$PRINTER_NAME Printer Driver installed successfully."
readonly ERROR_DRIVER="Unexpected error 0x002C occured."

# file<TAB>outcome<TAB>why. Outcomes:
#   complete      driver and monitor reported, printer on LPT1:, the monitor running
#   no-inf        as complete, and the INF not in the store (a port needs no Plug and Play match)
#   driver-only   the driver-only text, printer on LPT1:, no monitor
#   driver-error  0x002C, neither driver nor printer (the driver's files are its whole substance)
#   no-uninstall  as complete, and no uninstall entry naming a program that is not there
readonly EXPECTED="KDP225VOYG.GPD	driver-error	the model's data file: without it the driver describes no printer
QRVE9pin.dll	driver-error	the model's rendering plug-in, a dependent file of the driver
unidrv.dll	driver-error	the driver's own DLL, its driver path
unidrvui.dll	driver-error	the driver's configuration DLL
unires.dll	driver-error	a dependent file the driver loads its resources from
unidrv.hlp	driver-error	the driver's help file, named in the driver record like every other file
stdnames.gpd	driver-error	a dependent file the model's data file includes
QRVE$MODEL_ID.INF	no-inf	only the INF store needs it, which a printer on a chosen port does without
QRVE$MODEL_ID.CAT	no-inf	the store refuses the INF without its catalog; as for the INF itself
STM/$MODEL_ID.exe	driver-only	no monitor to install, so the report names the driver only
Setup.exe	complete	the engine does without it: it only starts the dialogs
Uninstall.exe	no-uninstall	the installation works; an uninstall entry would name a missing program"

# Wine's spooler adds a driver whose files are missing (a spooler that checks them refuses the driver,
# which the engine reports as 0x002C), so without these the kit is reported "installed successfully".
# The uninstall entry is written whatever the kit holds, so without Uninstall.exe it names a missing
# program; the installation sequence is kept as it is.
readonly OUTCOME_NOT_SHOWN="KDP225VOYG.GPD QRVE9pin.dll unidrv.dll unidrvui.dll unires.dll unidrv.hlp stdnames.gpd
Uninstall.exe"

# The report boxes worth a look: a driver file missing, and the driver-only text.
readonly SCREENSHOT_CASES="KDP225VOYG.GPD STM/$MODEL_ID.exe"

# A fresh copy of the base prefix under the session's prefix path, with the shell desktop again. The
# next case's copy is made in the background meanwhile, unless $1 says this is the last case.
SPARE_PREFIX=$E2E_WORK/spare-prefix
SPARE_JOB=
fresh_system() {
    local pid
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
    # No program of the old system may still write to its prefix when the prefix is swapped; the
    # first pid is the X server, which stays.
    for pid in "${E2E_PIDS[@]:1}"; do
        e2e_wait_pid_gone "$pid" 20000 || return 1
    done
    if [ -n "$SPARE_JOB" ]; then
        wait "$SPARE_JOB" || return 1
    else
        cp -a "$BASE_PREFIX" "$SPARE_PREFIX" || return 1
    fi
    mv "$WINEPREFIX" "$E2E_WORK/old-prefix" && mv "$SPARE_PREFIX" "$WINEPREFIX" || return 1
    SPARE_JOB=
    if [ "${1:-}" != last ]; then
        (rm -rf "$E2E_WORK/old-prefix" && cp -a "$BASE_PREFIX" "$SPARE_PREFIX") &
        SPARE_JOB=$!
        E2E_PIDS+=($SPARE_JOB)
    else
        rm -rf "$E2E_WORK/old-prefix"
    fi
    wine explorer /desktop=shell,1024x768 >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    robot find --class Shell_TrayWnd --timeout 20000 >/dev/null || return 1
    wine "$ROBOT_EXE" keep-desktop --ms 3600000 >/dev/null 2>&1 &
    E2E_PIDS+=($!)
}

driver_added() { robot reg-has --key "$DRIVERS_KEY\\$PRINTER_NAME" >/dev/null 2>&1; }
monitor_runs() { robot proc --exe "$MONITOR_EXE_NAME" >/dev/null 2>&1; }
model_printers() { robot printers | cut -f1 | grep -Fx "$PRINTER_NAME"; }

# What the report says must be what the system holds, whatever the case.
report_agrees() {
    case $1 in
    "$TEXT_BOTH" | "$TEXT_DRIVER_ONLY")
        [ "$(robot printer-port --printer "$PRINTER_NAME")" = LPT1: ] && driver_added ;;
    "Unexpected error "*)
        [ -z "$(model_printers)" ] ;;
    *) return 1 ;;
    esac
}

# The outcome's checks for file $1 and report $2.
check_outcome() {
    local file=$1 outcome=$2 report=$3
    case $outcome in
    complete | no-inf | no-uninstall)
        check_eq "$file: the report" "$TEXT_BOTH" "$report"
        check "$file: the monitor runs" monitor_runs ;;
    driver-only)
        check_eq "$file: the report" "$TEXT_DRIVER_ONLY" "$report"
        check "$file: no monitor" not monitor_runs ;;
    driver-error)
        check_eq "$file: the report" "$ERROR_DRIVER" "$report"
        check "$file: no driver" not driver_added
        check_eq "$file: no printer" "" "$(model_printers)" ;;
    *)
        check "$file: a known outcome '$outcome'" false ;;
    esac
    case $outcome in
    complete) check "$file: the INF in the store" test -f "$INF_STORE_FILE" ;;
    no-inf) check "$file: the INF not in the store" test ! -e "$INF_STORE_FILE" ;;
    no-uninstall) check "$file: no uninstall entry" not robot reg-has --key "$UNINSTALL_KEY" ;;
    esac
}

run_case() {
    local file=$1 outcome=$2 why=$3 last=$4 report
    check "$file: a fresh system" fresh_system "$last" || return 1
    install_prepare_system
    install_printer_key
    install_kit_copy
    rm "$KIT_COPY/$file" || return 1
    check "$file: the installation reaches its report" install_run LPT1: --stage || return 1
    report=$(install_report)
    e2e_log "$file missing: [$report] ($why)"
    grep -qxF "$file" <<<"${SCREENSHOT_CASES// /$'\n'}" && e2e_screenshot "without-${file##*/}" "$SETUP_CAPTION"
    check "$file: the report agrees with the system" report_agrees "$report"
    if grep -qxF "$file" <<<"${OUTCOME_NOT_SHOWN// /$'\n'}"; then
        e2e_log "outcome not shown under Wine, check skipped: without $file expected $outcome"
    else
        check_outcome "$file" "$outcome" "$report"
    fi
    check "$file: OK ends the test program" install_confirm
}

scenario() {
    local kit_files listed file outcome why
    kit_files=$(cd "$KIT_DIR" && find . -type f | sed 's|^\./||' | sort)
    listed=$(cut -f1 <<<"$EXPECTED" | sort)
    check_eq "every file of the kit has an expected outcome, and only those" "$kit_files" "$listed" || return 1
    local count=0 total
    total=$(wc -l <<<"$EXPECTED")
    while IFS=$'\t' read -r file outcome why; do
        count=$((count + 1))
        run_case "$file" "$outcome" "$why" "$([ "$count" -eq "$total" ] && echo last)"
    done <<<"$EXPECTED"
}
