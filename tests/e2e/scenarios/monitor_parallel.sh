# A printer on LPT1: read through the port driver's double: ready (blue heading, hidden again on its
# own), paper out and off line idle and while printing (the printing ones pop up), and no link after
# eight ticks.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"

readonly T_READY2=$'Ready to print.\n(Window will minimize in 2sec...)'
readonly T_LINK=$'Check all connections and make sure all device is turned ON.\nIf the power was turned off during printing, cancel the print job.'

scenario() {
    check "port resources of LPT1:" lpt1_resources || return 1
    check "port driver double runs" port_driver_double_running || return 1
    status_byte 0xD8
    check "monitor placed beside the spooler double" monitor_place_with_spooler_double LPT1: || return 1
    check "monitor starts" monitor_start_copy || return 1

    check "ready on LPT1:" monitor_wait_text 1005 "$T_READY2" 8000
    check "ready stays hidden" monitor_hidden
    monitor_show_from_tray >/dev/null
    check "a show searches first" monitor_wait_text 1004 "Searching"
    check "then ready again" monitor_wait_text 1004 "Ready" 6000
    e2e_screenshot ready "$MONITOR_CAPTION"
    check "the Ready heading is blue" test "$(heading_pixels "$SCREENSHOT_DIR/ready.png" '#0000FF')" -gt 20
    check "ready hides the window on its own" monitor_wait_visibility hidden
    sleep 2

    status_byte 0x20
    check "paper out while idle" monitor_wait_text 1004 "Paper-Out Error"
    check "idle paper out does not pop up" monitor_hidden
    spooler_set Jobs multi_sz 0x10
    check "paper out while printing pops up" monitor_wait_visibility visible
    check_eq "paper-out message" "Please insert the Paper." "$(monitor_text 1005)"
    e2e_screenshot paper-out "$MONITOR_CAPTION"
    check "other headings are grey" test "$(heading_pixels "$SCREENSHOT_DIR/paper-out.png" '#ACA899')" -gt 20

    status_byte 0x08
    check "off line while printing" monitor_wait_text 1004 "Printer OFFLINE Error"
    check_eq "off-line message" "Press the Online button once to make the printer ONLINE." "$(monitor_text 1005)"
    e2e_screenshot off-line "$MONITOR_CAPTION"
    robot click --caption "$MONITOR_CAPTION" --id 1007 >/dev/null
    robot reg-del --key "$SPOOLER_KEY" --value Jobs >/dev/null

    monitor_show_from_tray >/dev/null
    status_byte 0x78
    check "no link: still searching or not yet reported" test "$(monitor_text 1004)" != "Communicaton Error"
    check "no link reported after eight ticks" monitor_wait_text 1005 "$T_LINK" 15000
    check_eq "no-link heading" "Communicaton Error" "$(monitor_text 1004)"
    e2e_screenshot no-link "$MONITOR_CAPTION"
}
