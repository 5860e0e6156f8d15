# Functions the setup program's scenarios share: starting Setup.exe from a kit copy as a user would,
# and waiting for each of its dialogs, which all carry the same caption and differ by their controls.
# Sourced after lib.sh and install_lib.sh.

# One control of each window, by which the scenarios tell them apart.
SETUP_MODEL_LIST=1001
SETUP_WAIT_TEXT=1002
SETUP_MANUAL_BUTTON=1021
SETUP_PORT_LIST=1016
SETUP_CURRENT_PORT=1017
SETUP_PORT_OK=1008

# Starts Setup.exe in the kit copy's folder (staging takes the files from there); sets SETUP_PID.
setup_start() {
    (cd "$KIT_COPY" && exec wine Setup.exe >"$E2E_WORK/setup.out" 2>/dev/null) &
    SETUP_PID=$!
    E2E_PIDS+=("$SETUP_PID")
}

# Waits until the window holding control $1 is visible (timeout $2 ms, default 30 s).
setup_wait_window() {
    local id=$1 timeout=${2:-30000}
    local deadline=$(( $(date +%s%3N) + timeout ))
    while [ "$(date +%s%3N)" -lt "$deadline" ]; do
        robot visible --caption "$SETUP_CAPTION" --id "$id" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# The message box now up: its text.
setup_box_text() { robot text --caption "$SETUP_CAPTION" --id "$MESSAGE_TEXT_ID"; }
setup_box_visible() { robot visible --caption "$SETUP_CAPTION" --id "$MESSAGE_TEXT_ID" --timeout 0 >/dev/null 2>&1; }
setup_wait_box() { setup_wait_window "$MESSAGE_TEXT_ID" "${1:-30000}"; }
# Presses a message box button: 1 OK, 2 Cancel, 6 Yes, 7 No.
setup_answer_box() { robot click --caption "$SETUP_CAPTION" --id "$1" >/dev/null; }

setup_click() { robot click --caption "$SETUP_CAPTION" --id "$1" >/dev/null; }

# Setup.exe through Manual with the pre-selected port (LPT1:); leaves the report box up.
setup_run_manual() {
    setup_start
    setup_wait_window "$SETUP_MODEL_LIST" 30000 || return 1
    setup_click 1
    setup_wait_window "$SETUP_MANUAL_BUTTON" 30000 || return 1
    setup_click "$SETUP_MANUAL_BUTTON"
    setup_wait_window "$SETUP_PORT_LIST" 10000 || return 1
    setup_click "$SETUP_PORT_OK"
    setup_wait_box 60000
}

# What the system records for the printer's USB printing interface once it is plugged in: the interface
# linked, and its port number ($1; none when empty). $2 as the "Linked" value (default 1).
usb_record_printer_interface() {
    local key='HKLM\SYSTEM\CurrentControlSet\Control\DeviceClasses\{28d78fad-5a12-11d1-ae5b-0000f803a8c2}'
    key+='\##?#USB#Vid_6a2f&Pid_1101#qrv-225voyg#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}\#'
    robot reg-set --key "$key\\Control" --value Linked --type dword --data "${2:-1}" >/dev/null || return 1
    if [ -n "$1" ]; then
        robot reg-set --key "$key\\Device Parameters" --value "Port Number" --type dword --data "$1" >/dev/null
    else
        robot reg-set --key "$key\\Device Parameters" --value Other --type dword --data 0 >/dev/null
    fi
}

# The spooler double beside the kit copy's Setup.exe, loaded as native for Setup.exe only, for what Wine's
# own spooler never answers (a printer that exists, a port it does not know). Set it up after any run
# that is to use Wine's spooler.
setup_use_spooler_double() {
    cp "$SPOOLER_DOUBLE" "$KIT_COPY/winspool.drv" &&
        robot reg-set --key 'HKCU\Software\Wine\AppDefaults\Setup.exe\DllOverrides' \
            --value winspool.drv --type sz --data native >/dev/null
}
