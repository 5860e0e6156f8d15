# The monitor watching a printer whose queue the spooler double scripts: Ready on a serial port with no
# pop-up, printing, the paused queue and a job error popping up, a port change to USB followed at once,
# and the model's USB printer arriving and leaving while other devices change nothing.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"

readonly T_USB=$'Printer is not connected or switched OFF.\nEnsure USB cable is connected properly and the printer is switched ON.'
readonly T_PAUSE=$'"Pause Printing" is selected in QRV KDP 225 Voyager driver.\nGoto "Printer and Faxes" folder, right click and choose "Resume Printing"'

scenario() {
    check "monitor placed beside the spooler double" monitor_place_with_spooler_double COM1: || return 1
    check "monitor starts" monitor_start_copy || return 1

    check "ready on COM1:" monitor_wait_text 1005 "Ready to print."
    check_eq "ready heading" "Ready" "$(monitor_text 1004)"
    check "no pop-up for ready" monitor_hidden
    check_eq "the printer was opened with full access" 983052 "$(spooler_get LastOpenAccess)"

    spooler_set Jobs multi_sz 0x10
    check "printing" monitor_wait_text 1004 "Printing"
    check "printing does not pop up" monitor_hidden

    spooler_set Jobs multi_sz 0x08
    spooler_set Status dword 1
    check "paused queue" monitor_wait_text 1005 "$T_PAUSE"
    check "the paused queue pops the window up" monitor_wait_visibility visible
    check_eq "paused heading" "Communicaton Error" "$(monitor_text 1004)"
    e2e_screenshot paused "$MONITOR_CAPTION"
    robot click --caption "$MONITOR_CAPTION" --id 1007 >/dev/null
    sleep 2.5
    check "a hidden pop-up stays hidden while the state lasts" monitor_hidden

    spooler_set Status dword 0
    spooler_set Jobs multi_sz 0x12
    check "job error" monitor_wait_text 1005 \
        "Check all connections and make sure all device is turned ON. If the power was turned off during printing, cancel the print job."
    check "the job error pops the window up" monitor_wait_visibility visible
    e2e_screenshot job-error "$MONITOR_CAPTION"
    robot click --caption "$MONITOR_CAPTION" --id 1007 >/dev/null

    robot reg-del --key "$SPOOLER_KEY" --value Jobs >/dev/null
    spooler_set Port sz USB001
    check "a port change is followed: USB printer not connected" monitor_wait_text 1005 "$T_USB"
    check_eq "not-connected heading" "Communication Error" "$(monitor_text 1004)"

    usb_event arrival '\\?\USB#VID_046D&PID_C52B#5&2b1d4a&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}' >/dev/null
    usb_event arrival '\\?\USB#VID_6A2F&PID_1101#qrv-225#{a5dcbf10-6530-11d2-901f-00c04fb951ed}' >/dev/null
    sleep 2.5
    check_eq "other devices change nothing" "$T_USB" "$(monitor_text 1005)"
    usb_event arrival >/dev/null
    check "the model's printer arrives: ready" monitor_wait_text 1005 "Ready to print."
    usb_event removal >/dev/null
    check "and leaves again" monitor_wait_text 1005 "$T_USB"
    e2e_screenshot usb-not-connected-desktop

    local opens closes
    opens=$(spooler_get OpenCount)
    closes=$(spooler_get CloseCount)
    check "every replaced printer handle was closed ($opens opened, $closes closed)" test $((opens - closes)) -le 1
}
