# The monitor left running for LONG_RUN_SECONDS (default 120) while the printer goes through every state the
# doubles can script, again and again: ready, paper out idle and printing, off line, no link, the paused
# queue, a job error, the port moved to USB001 with the model's printer arriving and leaving, to COM1:, a
# show from the tray, and back to LPT1:. What the process holds is read after a warm-up and at the end, at
# the same point of a round (ready on LPT1:, hidden), and must not have grown beyond a small allowance.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"

readonly T_READY2=$'Ready to print.\n(Window will minimize in 2sec...)'
readonly T_LINK=$'Check all connections and make sure all device is turned ON.\nIf the power was turned off during printing, cancel the print job.'
readonly T_USB=$'Printer is not connected or switched OFF.\nEnsure USB cable is connected properly and the printer is switched ON.'
readonly T_PAUSE=$'"Pause Printing" is selected in QRV KDP 225 Voyager driver.\nGoto "Printer and Faxes" folder, right click and choose "Resume Printing"'
readonly T_JOB_ERROR="Check all connections and make sure all device is turned ON. If the power was turned off during printing, cancel the print job."
readonly OTHER_DEVICE='\\?\USB#VID_046D&PID_C52B#5&2b1d4a&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}'

LONG_RUN_SECONDS=${LONG_RUN_SECONDS:-120}
LONG_RUN_WARMUP=${LONG_RUN_WARMUP:-20}

# Growth allowed between the two readings, taken at the same point of a round. The first round opens what
# is opened once (cursors, a few handles of Wine's), so the first reading comes after it; from then on a
# half-hour run grew by nothing but 8 KB of private memory. Handles and threads: room for a helper of
# Wine's caught half-way. GDI objects: only a paint caught half-way. Windows: none. Private memory: 256 KB
# is ten times the most seen, and a leak of 150 bytes a tick over a half-hour run exceeds it.
readonly ALLOW_HANDLES=8
readonly ALLOW_GDI=4
readonly ALLOW_WINDOWS=0
readonly ALLOW_THREADS=2
readonly ALLOW_PRIVATE_KB=256
readonly ALLOW_UNIX_FDS=4
readonly ALLOW_PRINTER_HANDLES=0

hide_window() { robot click --caption "$MONITOR_CAPTION" --id 1007 --timeout 1000 >/dev/null 2>&1; }

# Every reading of the monitor process, and the spooler double's printer handles still open.
take_reading() {
    robot resources --pid "$MONITOR_WINPID" || return 1
    if [ -r "/proc/$MONITOR_PID/status" ]; then
        echo "unix-fds $(find "/proc/$MONITOR_PID/fd" -mindepth 1 -maxdepth 1 | wc -l)"
        echo "unix-rss-kb $(awk '/^VmRSS:/ { print $2 }' "/proc/$MONITOR_PID/status")"
    fi
    # The double writes its counts at the first open and the first close.
    local opens closes
    opens=$(spooler_get OpenCount 2>/dev/null)
    closes=$(spooler_get CloseCount 2>/dev/null)
    echo "printer-handles $((${opens:-0} - ${closes:-0}))"
}

reading_value() { awk -v name="$2" '$1 == name { print $2; exit }' <<<"$1"; }

one_line() { tr '\n' ' ' <<<"$1" | sed 's/pid [0-9]* //; s/ $//'; }

# The growth of one reading from BASE to END within ALLOWANCE; a reading Wine does not give (-1) or that
# one side lacks is only logged.
within_allowance() {
    local name=$1 allowance=$2 before after
    before=$(reading_value "$BASELINE" "$name")
    after=$(reading_value "$FINAL" "$name")
    if [ -z "$before" ] || [ -z "$after" ] || [ "$before" = -1 ] || [ "$after" = -1 ]; then
        e2e_log "no reading of $name ($before, $after)"
        return 0
    fi
    check "$name: $before after warm-up, $after at the end, grew $((after - before)), allowed $allowance" \
        test $((after - before)) -le "$allowance"
}

# The round's start: back on LPT1:, ready, no job, hidden again on its own.
round_start() {
    robot reg-del --key "$SPOOLER_KEY" --value Jobs >/dev/null 2>&1
    spooler_set Status dword 0 && status_byte 0xD8 && spooler_set Port sz LPT1: || return 1
    check "round $ROUND: ready on LPT1:" monitor_wait_text 1005 "$T_READY2" 10000
    check "round $ROUND: hidden" monitor_wait_visibility hidden
}

# The rest of a round: every state once, each followed before the next.
round_states() {
    status_byte 0x20
    check "round $ROUND: paper out" monitor_wait_text 1004 "Paper-Out Error"
    usb_event arrival "$OTHER_DEVICE" >/dev/null
    spooler_set Jobs multi_sz 0x10
    check "round $ROUND: paper out while printing pops up" monitor_wait_visibility visible
    hide_window
    status_byte 0x08
    check "round $ROUND: off line" monitor_wait_text 1004 "Printer OFFLINE Error"
    hide_window
    robot reg-del --key "$SPOOLER_KEY" --value Jobs >/dev/null
    status_byte 0x78
    check "round $ROUND: no link" monitor_wait_text 1005 "$T_LINK" 15000
    hide_window
    status_byte 0xD8
    check "round $ROUND: ready again" monitor_wait_text 1004 "Ready"

    spooler_set Jobs multi_sz 0x08
    spooler_set Status dword 1
    check "round $ROUND: paused queue" monitor_wait_text 1005 "$T_PAUSE"
    hide_window
    spooler_set Status dword 0
    spooler_set Jobs multi_sz 0x12
    check "round $ROUND: job error" monitor_wait_text 1005 "$T_JOB_ERROR"
    hide_window
    robot reg-del --key "$SPOOLER_KEY" --value Jobs >/dev/null

    spooler_set Port sz USB001
    check "round $ROUND: moved to USB001, not connected" monitor_wait_text 1005 "$T_USB"
    usb_event arrival >/dev/null
    check "round $ROUND: the printer arrives" monitor_wait_text 1005 "Ready to print."
    usb_event removal "$OTHER_DEVICE" >/dev/null
    usb_event removal >/dev/null
    check "round $ROUND: and leaves" monitor_wait_text 1005 "$T_USB"
    hide_window

    spooler_set Port sz COM1:
    check "round $ROUND: moved to COM1:" monitor_wait_text 1005 "Ready to print."
    monitor_tray_event dblclk >/dev/null
    check "round $ROUND: shown from the tray" monitor_wait_visibility visible
    check "round $ROUND: ready after the search" monitor_wait_text 1005 "Ready to print."
    hide_window
}

scenario() {
    check "port resources of LPT1:" lpt1_resources || return 1
    check "port driver double runs" port_driver_double_running || return 1
    status_byte 0xD8
    check "monitor placed beside the spooler double" monitor_place_with_spooler_double LPT1: || return 1
    check "monitor starts" monitor_start_copy || return 1
    check "the unix pid is the monitor's" grep -qa "$MONITOR_EXE_NAME" "/proc/$MONITOR_PID/cmdline"
    e2e_log "long run: $LONG_RUN_SECONDS s, readings after a warm-up of $LONG_RUN_WARMUP s and a round"
    e2e_log "at start: $(one_line "$(take_reading)")"

    local started=$SECONDS round_started failures_before
    ROUND=0
    BASELINE=
    FINAL=
    local baseline_at=0 rounds_since_baseline=0
    while :; do
        ROUND=$((ROUND + 1))
        round_started=$SECONDS
        failures_before=$E2E_FAILURES
        round_start
        check "round $ROUND: the monitor still runs" kill -0 "$MONITOR_PID" || return 1
        local reading
        reading=$(take_reading) || { check "resources of the monitor" false; return 1; }
        e2e_log "round $ROUND at $((SECONDS - started)) s: $(one_line "$reading")"
        if [ -z "$BASELINE" ] && [ "$ROUND" -gt 1 ] && [ $((SECONDS - started)) -ge "$LONG_RUN_WARMUP" ]; then
            BASELINE=$reading
            baseline_at=$((SECONDS - started))
        elif [ -n "$BASELINE" ] && [ "$rounds_since_baseline" -ge 1 ] &&
            [ $((SECONDS - started)) -ge "$LONG_RUN_SECONDS" ]; then
            FINAL=$reading
            break
        fi
        [ -n "$BASELINE" ] && rounds_since_baseline=$((rounds_since_baseline + 1))
        round_states
        e2e_log "round $ROUND: $((SECONDS - round_started)) s"
        # A monitor that has stopped following would fail every round to the end: stop at the first one.
        [ "$E2E_FAILURES" -eq "$failures_before" ] || return 1
    done

    e2e_log "readings after the warm-up ($baseline_at s) and at the end ($((SECONDS - started)) s)," \
        "$rounds_since_baseline rounds apart"
    # Wine 8 answers 0 for these three: they are shown, and what Wine does keep is checked in their place
    # (the wineserver's handle list, the process's GDI handle table, its windows).
    local api
    for api in handles gdi-objects user-objects; do
        e2e_log "$api (the API's answer): $(reading_value "$BASELINE" "$api")," \
            "then $(reading_value "$FINAL" "$api")"
    done
    within_allowance handle-list "$ALLOW_HANDLES"
    within_allowance gdi-table "$ALLOW_GDI"
    within_allowance windows "$ALLOW_WINDOWS"
    within_allowance threads "$ALLOW_THREADS"
    within_allowance private-kb "$ALLOW_PRIVATE_KB"
    within_allowance unix-fds "$ALLOW_UNIX_FDS"
    within_allowance printer-handles "$ALLOW_PRINTER_HANDLES"
    e2e_log "working set: $(reading_value "$BASELINE" working-set-kb) KB," \
        "then $(reading_value "$FINAL" working-set-kb) KB"
}
