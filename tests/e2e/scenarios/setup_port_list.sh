# Setup.exe's manual port dialog fed by the spooler double, which can list ports in an unsorted order,
# without descriptions, none at all, or fail to list them, as Wine's own spooler never does. Each case is
# a fresh run of Setup.exe in the same prefix, from the model dialog to the port dialog and out by Cancel.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

readonly SETUP_PORT_CANCEL=1006
readonly EXIT_QUESTION="Setup is not complete. If you quit now, the program will not be installed.
Exit Setup?"
readonly ENUMERATION_ERROR='Unexpected error 0x002C occured while port enumeration.'
readonly PRINTER_ERROR='Unexpected error 0x003C occured.'
readonly RPC_S_SERVER_UNAVAILABLE=1722
readonly LB_GETCURSEL=0x188
readonly STM_GETICON=0x171
readonly MESSAGE_ICON_ID=1088 # the icon control of Wine's message box

# Six fields a case: what it shows; the ports the double lists ("|" between ports, "=" between a name and
# its description, no "=" for a null one); the entries the dialog must show ("|" between them); the index
# of the selected entry (-1: none); the text of Current Port; a port to choose then ("-": none).
readonly CASE_FIELDS=6
readonly CASES=(
    "the spooler's order, LPT1: chosen"
        "COM1:=Local Port|LPT1:=Local Port|USB001=Virtual printer port for USB"
        "COM1: (Local Port)|LPT1: (Local Port)|USB001 (Virtual printer port for USB)"
        1 "LPT1: (Local Port)" USB001
    "an order sorting would change"
        "ZZZ:=Last by name|AAA:=First by name|MMM:=Middle"
        "ZZZ: (Last by name)|AAA: (First by name)|MMM: (Middle)"
        -1 "" -
    "lpt1: in lower case is not chosen"
        "COM1:=Local Port|lpt1:=Local Port"
        "COM1: (Local Port)|lpt1: (Local Port)"
        -1 "" -
    "a null and an empty description"
        "LPT1:|FILE:="
        "LPT1: ()|FILE: ()"
        0 "LPT1: ()" FILE:
    "no ports at all"
        ""
        ""
        -1 "" -
)

port_entries() { robot list-items --caption "$SETUP_CAPTION" --id "$SETUP_PORT_LIST"; }
selected_index() { robot send --caption "$SETUP_CAPTION" --id "$SETUP_PORT_LIST" --msg "$LB_GETCURSEL"; }
current_port() { robot text --caption "$SETUP_CAPTION" --id "$SETUP_CURRENT_PORT"; }
port_ok_enabled() { robot enabled --caption "$SETUP_CAPTION" --id "$SETUP_PORT_OK" >/dev/null 2>&1; }
box_has_button() { robot visible --caption "$SETUP_CAPTION" --id "$1" --timeout 0 >/dev/null 2>&1; }
box_has_ok_cancel() { box_has_button 1 && box_has_button 2; }
box_icon() { robot send --caption "$SETUP_CAPTION" --id "$MESSAGE_ICON_ID" --msg "$STM_GETICON"; }
box_has_icon() {
    local icon
    icon=$(box_icon) && [ -n "$icon" ] && [ "$icon" != 0 ]
}

# Polls a reading command until it prints exactly the wanted text: wait_for TEXT TIMEOUT_MS COMMAND...
# (a box and the one after it share a caption, so only the text tells them apart).
wait_for() {
    local want=$1 timeout=$2
    shift 2
    local deadline=$(($(date +%s%3N) + timeout))
    until [ "$("$@" 2>/dev/null)" == "$want" ]; do
        [ "$(date +%s%3N)" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# A fresh Setup.exe through the model dialog's OK and the USB dialog's Manual.
start_to_manual() {
    setup_start
    setup_wait_window "$SETUP_MODEL_LIST" 30000 || { e2e_log "no model dialog"; return 1; }
    setup_click 1
    setup_wait_window "$SETUP_MANUAL_BUTTON" 30000 || { e2e_log "no USB dialog"; return 1; }
    setup_click "$SETUP_MANUAL_BUTTON"
}

# Cancel, Yes on the exit question, and the program's end.
cancel_and_quit() {
    setup_click "$SETUP_PORT_CANCEL"
    wait_for "$EXIT_QUESTION" 10000 setup_box_text || { e2e_log "no exit question"; return 1; }
    setup_answer_box 6
    e2e_wait_pid_gone "$SETUP_PID" 10000
}

# Chooses the entry of a port by its name, as a click would, and expects its full text in Current Port.
choose_port() { # choose_port LABEL NAME
    local index
    index=$(port_entries | grep -n -F -- "$2 (" | head -n 1 | cut -d: -f1)
    check "$1: $2 is listed" test -n "$index" || return 1
    robot list-select --caption "$SETUP_CAPTION" --id "$SETUP_PORT_LIST" --index $((index - 1)) >/dev/null
    check "$1: choosing $2 shows its full text" \
        wait_for "$(port_entries | sed -n "${index}p")" 3000 current_port
    check_eq "$1: $2 selected" "$((index - 1))" "$(selected_index)"
}

port_list_case() { # port_list_case NUMBER FIELDS...
    local number=$1 label=$2 ports=$3 entries=$4 selected=$5 current=$6 choose=$7
    e2e_log "case $number: $label"
    spooler_set Ports multi_sz "${ports//=/$'\t'}" >/dev/null || return 1
    start_to_manual
    check "$label: the port dialog opens" setup_wait_window "$SETUP_PORT_LIST" 15000 || return 1
    e2e_screenshot "case$number-ports" "$SETUP_CAPTION"
    check_eq "$label: the entries" "${entries//|/$'\n'}" "$(port_entries)"
    check_eq "$label: the selected entry" "$selected" "$(selected_index)"
    check_eq "$label: Current Port" "$current" "$(current_port)"
    check "$label: OK enabled" port_ok_enabled
    check "$label: no message box" not setup_box_visible
    [ "$choose" = - ] || choose_port "$label" "$choose"
    check "$label: Cancel and Yes end the setup program" cancel_and_quit
}

# The list cannot be read: the error box, the exit question, No keeping an empty dialog, and OK installing
# on no port at all, which the double's AddPrinterA notes and refuses. LPT1: is there to be listed, so that
# an empty list and an empty port come from the failure, not from a lack of ports.
enumeration_failure_run() {
    e2e_log "case: the enumeration fails"
    spooler_set Ports multi_sz $'LPT1:\tLocal Port' >/dev/null || return 1
    spooler_set EnumPortsError dword "$RPC_S_SERVER_UNAVAILABLE" >/dev/null || return 1
    spooler_set FailCall sz AddPrinterA >/dev/null || return 1
    robot reg-del --key "$SPOOLER_KEY" --value LastPrinterPort >/dev/null 2>&1
    start_to_manual
    check "the failure is reported" wait_for "$ENUMERATION_ERROR" 15000 setup_box_text || return 1
    e2e_screenshot enumeration-error "$SETUP_CAPTION"
    check "the error box has OK and Cancel" box_has_ok_cancel
    check "and no Yes" not box_has_button 6
    check_eq "the error box has no icon" 0 "$(box_icon)"
    setup_answer_box 1
    check "the exit question follows" wait_for "$EXIT_QUESTION" 10000 setup_box_text || return 1
    check "the exit question has its icon (so the probe tells)" box_has_icon
    e2e_screenshot exit-question "$SETUP_CAPTION"
    setup_answer_box 7
    check "No leaves the port dialog" setup_wait_window "$SETUP_PORT_LIST" 10000 || return 1
    sleep 0.3
    check "and no box" not setup_box_visible
    check_eq "the list is empty" "" "$(port_entries)"
    check_eq "Current Port is empty" "" "$(current_port)"
    e2e_screenshot empty-after-no "$SETUP_CAPTION"

    setup_click "$SETUP_PORT_OK"
    check "OK installs and reports" wait_for "$PRINTER_ERROR" 60000 setup_box_text ||
        e2e_log "the report: [$(setup_box_text)]"
    e2e_screenshot report "$SETUP_CAPTION"
    check "the printer was asked for" robot reg-has --key "$SPOOLER_KEY" --value LastPrinterPort
    check_eq "on no port" "" "$(reg_value "$SPOOLER_KEY" LastPrinterPort)"
    setup_answer_box 1
    check "the setup program ends after the report" e2e_wait_pid_gone "$SETUP_PID" 10000
}

scenario() {
    install_kit_copy
    check "the double exports what Setup.exe imports" \
        "$(dirname "${BASH_SOURCE[0]}")/../doubles/winspool/check_exports.sh" "$KIT_COPY/Setup.exe" \
        "$SPOOLER_DOUBLE" >/dev/null || return 1
    cp "$SPOOLER_DOUBLE" "$KIT_COPY/winspool.drv" || return 1
    robot reg-set --key 'HKCU\Software\Wine\AppDefaults\Setup.exe\DllOverrides' \
        --value winspool.drv --type sz --data native >/dev/null || return 1
    local first started
    for ((first = 0; first < ${#CASES[@]}; first += CASE_FIELDS)); do
        started=$(date +%s%3N)
        port_list_case $((first / CASE_FIELDS + 1)) "${CASES[@]:first:CASE_FIELDS}" || return 1
        e2e_log "case took $(($(date +%s%3N) - started)) ms"
    done
    enumeration_failure_run
}
