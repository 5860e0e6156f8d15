# The tray icon: shows cycle the tips, Ok / Esc / the close box / Enter only hide, a single click does nothing,
# the right-click menu offers the monitor and Exit, and Exit removes the icon and ends the process.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"

readonly TIP_1='Ensure same "Page Size" setting is selected in application (like MS-Word) and also in printer driver.'
readonly TIP_0='In case of "Printer Fonts" set font size as 10 for better throughput and speed.'

hide_by() {
    case $1 in
    ok) robot click --caption "$MONITOR_CAPTION" --id 1007 ;;
    esc) robot key --caption "$MONITOR_CAPTION" --vk ESCAPE ;;
    enter) robot key --caption "$MONITOR_CAPTION" --vk RETURN ;;
    close) robot close --caption "$MONITOR_CAPTION" ;;
    esac
}

scenario() {
    notification_area_shot "$E2E_WORK/tray-before.png"
    check "monitor starts" monitor_start || return 1
    sleep 1
    notification_area_shot "$E2E_WORK/tray-running.png"
    check "the icon appears in the notification area" \
        test "$(image_difference "$E2E_WORK/tray-before.png" "$E2E_WORK/tray-running.png")" -gt 20

    monitor_tray_event lbuttonup >/dev/null
    sleep 0.5
    check "a single click shows nothing" monitor_hidden

    check_eq "first show from the tray gives tip 1" "$TIP_1" "$(monitor_show_from_tray)"
    e2e_screenshot monitor-shown "$MONITOR_CAPTION"
    e2e_screenshot monitor-shown-desktop
    check_eq "heading while not installed" "No Printer Found" "$(monitor_text 1004)"

    local how
    for how in ok esc close enter; do
        hide_by "$how" >/dev/null
        check "$how hides the window" monitor_wait_visibility hidden
        check "$how leaves the program running" kill -0 "$MONITOR_PID"
        monitor_show_from_tray >/dev/null
    done

    # Five shows so far (tips 1 to 5); six more reach tip 10 and wrap to tip 0.
    local tips=() i
    for i in $(seq 6 11); do
        tips+=("$(monitor_show_from_tray)")
    done
    check_eq "the tenth show gives tip 10" "Use QRV Ink bank to recharge your ribbon cassette." "${tips[4]}"
    check_eq "the eleventh show wraps to tip 0" "$TIP_0" "${tips[5]}"
    hide_by ok >/dev/null
    monitor_wait_visibility hidden

    monitor_tray_event rbuttonup >/dev/null
    local menu
    menu=$(robot menu --timeout 5000)
    check_eq "tray menu items" \
        "$(printf '101\tQRV KDP 225 Voyager Status Monitor\tdefault\n104\tExit')" \
        "$(printf '%s\n' "$menu" | sed 's/[[:space:]]*$//')"
    e2e_screenshot tray-menu-desktop
    check "choosing Exit" robot menu-choose --text Exit
    check "Exit ends the process" e2e_wait_pid_gone "$MONITOR_PID" 10000
    sleep 1
    notification_area_shot "$E2E_WORK/tray-after.png"
    check "the icon is gone after Exit" \
        test "$(image_difference "$E2E_WORK/tray-before.png" "$E2E_WORK/tray-after.png")" -le 20
    e2e_screenshot after-exit-desktop
}
