# The monitor against Wine's own spooler: a printer of the model on COM1: is found and Ready without a
# pop-up, and moving it to USB001 while the monitor runs is followed on the next tick.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"

scenario() {
    check "a printer of the model on COM1:" real_printer_on COM1: || return 1
    # Started by hand to keep its standard output, where the port query leaves its trace.
    wine "$KIT_DIR/STM/$MONITOR_EXE_NAME" >"$E2E_WORK/monitor.out" 2>/dev/null &
    MONITOR_PID=$!
    E2E_PIDS+=("$MONITOR_PID")
    check "monitor starts" robot find --caption "$MONITOR_CAPTION" --timeout 15000 || return 1
    MONITOR_WINPID=$(robot proc --exe "$MONITOR_EXE_NAME" | head -n1)
    check "ready on COM1:" monitor_wait_text 1005 "Ready to print."
    check_eq "ready heading" "Ready" "$(monitor_text 1004)"
    check "no pop-up" monitor_hidden
    check "the port query's trace on standard output" grep -q "^Allocating a buffer of size [0-9]" "$E2E_WORK/monitor.out"
    check "the printer moves to USB001" robot set-printer-port --printer "$PRINTER_NAME" --port USB001
    check "the move is followed: USB printer not connected" monitor_wait_text 1004 "Communication Error"
    monitor_show_from_tray >/dev/null
    check "a show searches again" monitor_wait_text 1004 "Searching"
    check "and finds the printer still not connected" monitor_wait_text 1004 "Communication Error" 8000
    e2e_screenshot usb-not-connected "$MONITOR_CAPTION"
}
