# Functions the installation scenarios share: a kit copy to install from, the engine's test program,
# its report box, and what an installation leaves in the system. Sourced after lib.sh.

INSTALL_RUNNER=$(dirname "$ROBOT_EXE")/install_runner.exe
SETUP_CAPTION="QRVE Printer Driver - Setup"
DRIVER_DIR_UNIX=$WINEPREFIX/drive_c/windows/system32/spool/drivers/w32x86
DRIVER_DIR='C:\windows\system32\spool\drivers\w32x86'
MESSAGE_TEXT_ID=65535
# Where an installation leaves its driver, its log-on value and its uninstall entry.
DRIVERS_KEY='HKLM\System\CurrentControlSet\Control\Print\Environments\Windows NT x86\Drivers\Version-3'
RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
UNINSTALL_ENTRIES_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall'
UNINSTALL_KEY="$UNINSTALL_ENTRIES_KEY\QRV Electronics"

# Two things Wine lacks, made by the harness (never by the programs): "Documents and Settings", which
# Windows keeps as a junction and the shortcut goes below; and a printer key holding Datatype, without
# which Wine's AddPrinterA fails for the data type the setup program leaves unset.
install_prepare_system() {
    mkdir -p "$WINEPREFIX/drive_c/Documents and Settings/All Users/Start Menu/Programs"
}

# The printer key with only Datatype, for a printer the installation is to create (a leftover key would
# show as a printer, so only where the printer step runs).
install_printer_key() {
    local printers='HKLM\System\CurrentControlSet\Control\Print\Printers'
    robot reg-set --key "$printers\\${1:-QRV KDP 225 Voyager}" --value Datatype --type sz --data RAW >/dev/null
}

# A copy of the kit to install from, to be changed by a scenario: sets KIT_COPY.
install_kit_copy() {
    KIT_COPY=$E2E_WORK/kit
    rm -rf "$KIT_COPY"
    cp -a "$KIT_DIR" "$KIT_COPY"
    cp "$INSTALL_RUNNER" "$KIT_COPY/install_runner.exe"
}

# Runs the engine from the kit copy's folder (its files are found relative to it) on a port; returns
# once the report box is up. Extra options go to the test program.
install_run() {
    (cd "$KIT_COPY" && exec wine install_runner.exe "$@" >"$E2E_WORK/install.out" 2>/dev/null) &
    INSTALL_PID=$!
    E2E_PIDS+=("$INSTALL_PID")
    robot find --caption "$SETUP_CAPTION" --id "$MESSAGE_TEXT_ID" --timeout 60000 >/dev/null
}

install_report() { robot text --caption "$SETUP_CAPTION" --id "$MESSAGE_TEXT_ID"; }

# Presses OK on the report box; the test program then ends.
install_confirm() {
    robot click --caption "$SETUP_CAPTION" --id 1 >/dev/null
    e2e_wait_pid_gone "$INSTALL_PID" 10000
}

reg_value() { robot reg-get --key "$1" --value "$2" | tail -n 1; }
