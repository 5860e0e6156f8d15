# The monitor starts hidden with its texts in place and the "not installed" display (no printer in a
# fresh system); a second monitor of the same model ends silently and the first goes on.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"

scenario() {
    check "monitor starts and its window exists" monitor_start || return 1
    sleep 0.5
    check "window is hidden after start" monitor_hidden
    check_eq "caption" "$MONITOR_CAPTION" "$(robot text --caption "$MONITOR_CAPTION")"
    check_eq "version label" "Ver 2.01 (9W)" "$(monitor_text 1010)"
    check_eq "tip 0 at start" \
        'In case of "Printer Fonts" set font size as 10 for better throughput and speed.' "$(monitor_text 1008)"
    check_eq "not-installed message" "QRV KDP 225 Voyager not installed." "$(monitor_text 1005)"
    check_eq "not-installed heading" "No Printer Found" "$(monitor_text 1004)"
    e2e_screenshot start-desktop

    e2e_start "$KIT_DIR/STM/$MONITOR_EXE_NAME"
    local second=$E2E_LAST_PID
    check "a second monitor ends by itself" e2e_wait_pid_gone "$second" 10000
    check "the first monitor still runs" kill -0 "$MONITOR_PID"
    check_eq "still one monitor process" 1 "$(robot proc --exe "$MONITOR_EXE_NAME" | wc -l)"
    check_eq "still one monitor window" 1 "$(robot find --all --caption "$MONITOR_CAPTION" | wc -l)"
    check "the first window stayed hidden" monitor_hidden
}
