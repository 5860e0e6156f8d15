# Other printers with names of 63 and 64 characters (the longest some spooler buffers assume, and one
# more) in Wine's own spooler, some beginning with the model's name: the installation still adds and
# reports the model's printer and leaves them as they were; the monitor it starts still finds and
# watches its own printer, also after another such printer is added while it runs; Uninstall.exe removes
# the model's printer only.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"

readonly OTHER_DRIVER="Long names driver"
readonly UNINSTALLER=$DRIVER_DIR_UNIX/Uninstall.exe

# TEXT padded with dots to exactly N characters.
name_of_length() {
    local text=$1 length=$2
    while [ "${#text}" -lt "$length" ]; do text+=.; done
    printf '%s' "${text:0:$length}"
}

# length<TAB>port<TAB>opening: the other printers there before the installation.
readonly OTHER_PRINTERS="63	FILE:	A printer with a long name
64	LPT2:	A printer with a longer name
63	LPT3:	$PRINTER_NAME (Copy 1) but longer
64	COM2:	$PRINTER_NAME on the second floor"
readonly ADDED_WHILE_RUNNING="63	COM3:	Added while the monitor runs"

# The printers as the robot lists them (name, port, driver), for rows of the tables above.
printer_lines() {
    local length port opening
    while IFS=$'\t' read -r length port opening; do
        printf '%s\t%s\t%s\n' "$(name_of_length "$opening" "$length")" "$port" "$OTHER_DRIVER"
    done <<<"$1" | sort
}

add_printers() {
    local name port driver
    while IFS=$'\t' read -r name port driver; do
        robot add-printer --printer "$name" --port "$port" --driver "$driver" >/dev/null || return 1
    done <<<"$(printer_lines "$1")"
}

quietly() { "$@" >/dev/null; }

other_printers_listed() { robot printers | awk -F'\t' -v own="$PRINTER_NAME" '$1 != own' | sort; }

scenario() {
    check "a driver for the other printers" quietly robot add-driver --name "$OTHER_DRIVER" || return 1
    check "the printers with long names are added" add_printers "$OTHER_PRINTERS" || return 1
    local lengths
    lengths=$(printer_lines "$OTHER_PRINTERS" | cut -f1 | awk '{ print length($0) }' | sort -u | tr '\n' ' ')
    check_eq "their names are 63 and 64 characters long" "63 64 " "$lengths"
    check_eq "the spooler lists them whole" "$(printer_lines "$OTHER_PRINTERS")" "$(other_printers_listed)" ||
        return 1

    install_prepare_system
    install_printer_key
    install_kit_copy
    check "the installation reaches its report" install_run COM1: --stage || return 1
    check_eq "the report" "$PRINTER_NAME Printer Driver & Status Monitor installed successfully." \
        "$(install_report)"
    check "OK ends the test program" install_confirm
    check_eq "the model's printer on COM1:" "COM1:" "$(robot printer-port --printer "$PRINTER_NAME")"
    check_eq "the model's printer is the default" "$PRINTER_NAME" "$(robot default-printer)"
    check_eq "the other printers as they were" "$(printer_lines "$OTHER_PRINTERS")" "$(other_printers_listed)"

    check "the installed monitor runs" quietly robot find --caption "$MONITOR_CAPTION" --timeout 15000 || return 1
    MONITOR_WINPID=$(robot proc --exe "$MONITOR_EXE_NAME" | head -n1)
    check "it finds its printer on COM1: ready" monitor_wait_text 1005 "Ready to print." 15000
    check_eq "with the ready heading" "Ready" "$(monitor_text 1004)"
    check "without a pop-up" monitor_hidden

    check "another long-named printer while it runs" add_printers "$ADDED_WHILE_RUNNING"
    monitor_show_from_tray >/dev/null
    check "a show searches again" monitor_wait_text 1004 "Searching"
    check "and finds its printer ready" monitor_wait_text 1005 "Ready to print." 8000
    e2e_screenshot monitor "$MONITOR_CAPTION"
    check "its printer moved to USB001" robot set-printer-port --printer "$PRINTER_NAME" --port USB001
    check "is followed: USB printer not connected" monitor_wait_text 1004 "Communication Error"
    check "the monitor still runs" quietly robot proc --exe "$MONITOR_EXE_NAME"

    wine "$UNINSTALLER" /quiet >/dev/null 2>&1
    check_eq "Uninstall.exe /quiet answers 0" 0 "$?"
    check "the model's printer is gone" not robot printer-port --printer "$PRINTER_NAME"
    check_eq "the other printers stay as they were" \
        "$(printer_lines "$OTHER_PRINTERS"$'\n'"$ADDED_WHILE_RUNNING")" "$(other_printers_listed)"
}
