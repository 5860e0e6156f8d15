# The engine's first two steps refused by the spooler (which Wine's own spooler never does; the spooler
# double beside the test program refuses the call named in FailCall): each report shows its step's code.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"

refused_run() { # refused_run FUNCTION EXPECTED_REPORT
    spooler_set FailCall sz "$1"
    check "installation reaches its report ($1 refused)" install_run LPT1: || return 1
    check_eq "report when $1 is refused" "$2" "$(install_report)"
    e2e_screenshot "report-$1" "$SETUP_CAPTION"
    check "OK ends the test program" install_confirm
}

scenario() {
    install_prepare_system
    install_kit_copy
    cp "$SPOOLER_DOUBLE" "$KIT_COPY/winspool.drv"
    robot reg-set --key 'HKCU\Software\Wine\AppDefaults\install_runner.exe\DllOverrides' \
        --value winspool.drv --type sz --data native || return 1
    refused_run GetPrinterDriverDirectoryA "Unexpected error 0x001C occured."
    refused_run AddPrinterDriverA "Unexpected error 0x002C occured."
    refused_run AddPrinterA "Unexpected error 0x003C occured."
}
