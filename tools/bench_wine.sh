#!/usr/bin/env bash
# Whole-process figures under Wine: the monitor ticking for SECONDS beside a bare hidden dialog with a
# one-second timer (and a second one that also loads the monitor's system libraries), all started in the
# same session; CPU time and peak resident memory of each, read from /proc of their Wine processes.
# Before that: start-up times (monitor and bare dialog, to their hidden window), one installation by
# Setup.exe apart from its fixed waits, and the exe sizes.
# Usage: bench_wine.sh KIT_DIR WIN_BUILD_DIR [SECONDS]
set -u
here=$(cd "$(dirname "$0")" && pwd)
export KIT_DIR=$1 ROBOT_EXE=$2/robot.exe SCREENSHOT_DIR=/tmp/kit-bench-shots
seconds=${3:-60}
export MODEL_ID=$(basename "$KIT_DIR" | sed 's/^kit-//')
source "$here/../tests/e2e/lib.sh"
source "$here/../tests/e2e/monitor_lib.sh"

base=$(mktemp -d /tmp/kit-bench.XXXXXX)
trap 'e2e_cleanup; rm -rf "$base"' EXIT
e2e_make_prefix "$base/prefix" >/dev/null || exit 1
e2e_start_session "$base/prefix" || exit 1

# Milliseconds from starting a program until its window exists: the robot waits in-process (no polling
# from here), and is started beside the program so that its own start-up overlaps the program's.
startup_ms() { # startup_ms CAPTION EXE [ARGS...]
    local caption=$1 started finished
    shift
    started=$(date +%s%3N)
    robot find --caption "$caption" --timeout 20000 >/dev/null &
    local finder=$!
    e2e_start "$@"
    wait "$finder" || return 1
    finished=$(date +%s%3N)
    echo $((finished - started))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a (0 ms)" }'; }

# Start-up, five times each, alternating; every copy is ended before the next start.
monitor_runs=() bare_runs=()
for i in 1 2 3 4 5; do
    monitor_runs+=("$(startup_ms "$MONITOR_CAPTION" "$KIT_DIR/STM/$MONITOR_EXE_NAME")")
    robot kill --exe "$MONITOR_EXE_NAME" >/dev/null; sleep 0.5
    bare_runs+=("$(startup_ms "Bare Dialog" "$2/bare_dialog.exe")")
    robot kill --exe bare_dialog.exe >/dev/null; sleep 0.5
done
mon_start=$(printf '%s\n' "${monitor_runs[@]}" | median)
bare_start=$(printf '%s\n' "${bare_runs[@]}" | median)
printf 'Start-up to the hidden window (median of 5): monitor %s ms, bare dialog %s ms (ratio %s)\n' \
    "$mon_start" "$bare_start" "$(ratio "$mon_start" "$bare_start")"
printf '  runs: monitor %s; bare dialog %s\n' "${monitor_runs[*]}" "${bare_runs[*]}"

# One installation through Setup.exe's Manual path on LPT1:, OK in the port dialog to the report box;
# the path has no fixed waits. Then the installation is removed again for the figures below.
source "$here/../tests/e2e/install_lib.sh"
source "$here/../tests/e2e/setup_lib.sh"
install_prepare_system
install_printer_key
install_kit_copy
setup_start
if setup_wait_window "$SETUP_MODEL_LIST" 30000 && setup_click 1 && setup_wait_window "$SETUP_MANUAL_BUTTON" 30000 &&
    setup_click "$SETUP_MANUAL_BUTTON" && setup_wait_window "$SETUP_PORT_LIST" 10000; then
    started=$(date +%s%3N)
    robot click --caption "$SETUP_CAPTION" --id "$SETUP_PORT_OK" >/dev/null
    robot find --caption "$SETUP_CAPTION" --id "$MESSAGE_TEXT_ID" --timeout 60000 >/dev/null
    printf 'Installation by Setup.exe, OK to the report box: %s ms (%s)\n' "$(($(date +%s%3N) - started))" \
        "$(setup_box_text)"
    setup_answer_box 1
    e2e_wait_pid_gone "$SETUP_PID" 10000
    robot kill --exe "$MONITOR_EXE_NAME" >/dev/null
    wine "$DRIVER_DIR_UNIX/Uninstall.exe" /quiet >/dev/null 2>&1
else
    echo "Installation by Setup.exe: the dialogs did not come up"
fi
size_kb() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.1f", b / 1024 }'; }
printf 'Exe sizes: Setup.exe %s KB, monitor %s KB, Uninstall.exe %s KB, bare dialog %s KB\n' \
    "$(size_kb "$KIT_DIR/Setup.exe")" "$(size_kb "$KIT_DIR/STM/$MONITOR_EXE_NAME")" \
    "$(size_kb "$KIT_DIR/Uninstall.exe")" "$(size_kb "$2/bare_dialog.exe")"

# A printer of the model in Wine's spooler on USB001 with the printer attached: every tick checks the
# port and queries the queue, as on a user's machine.
real_printer_on USB001 >/dev/null || { echo "no printer could be added"; exit 1; }
monitor_start || { echo "monitor did not start"; exit 1; }
usb_event arrival >/dev/null
e2e_start "$2/bare_dialog.exe"
bare_pid=$E2E_LAST_PID
e2e_start "$2/bare_dialog.exe" --with-monitor-dlls
dlls_pid=$E2E_LAST_PID
robot find --caption "Bare Dialog" --timeout 15000 >/dev/null || { echo "bare dialog did not start"; exit 1; }
robot find --caption "Bare Dialog With Dlls" --timeout 15000 >/dev/null || { echo "second bare dialog missing"; exit 1; }

# Nanoseconds on the CPU, summed over the process's threads (scheduler statistics, far finer than ticks).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%d", sum }'; }
peak_kb() { awk '/^VmHWM/ {print $2}' "/proc/$1/status"; }

m0=$(cpu_ns "$MONITOR_PID") b0=$(cpu_ns "$bare_pid") d0=$(cpu_ns "$dlls_pid")
sleep "$seconds"
m1=$(cpu_ns "$MONITOR_PID") b1=$(cpu_ns "$bare_pid") d1=$(cpu_ns "$dlls_pid")
ms() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", (b - a) / 1e6 }'; }
mon_ms=$(ms "$m0" "$m1") bare_ms=$(ms "$b0" "$b1") dlls_ms=$(ms "$d0" "$d1")
mon_kb=$(peak_kb "$MONITOR_PID") bare_kb=$(peak_kb "$bare_pid") dlls_kb=$(peak_kb "$dlls_pid")
per_minute() { awk -v ms="$1" -v s="$seconds" 'BEGIN { printf "%.1f", ms * 60 / s }'; }
echo "monitor state after ${seconds}s: $(monitor_text 1005 | head -n1)"
printf 'CPU over %ss: monitor %s ms, bare dialog %s ms (ratio %s); per minute: %s ms and %s ms\n' \
    "$seconds" "$mon_ms" "$bare_ms" "$(ratio "$mon_ms" "$bare_ms")" "$(per_minute "$mon_ms")" "$(per_minute "$bare_ms")"
printf '  bare dialog with the monitor'"'"'s system libraries loaded: %s ms (ratio %s)\n' "$dlls_ms" \
    "$(ratio "$mon_ms" "$dlls_ms")"
printf 'Peak working set: monitor %d KB, bare dialog %d KB (difference %d KB)\n' "$mon_kb" "$bare_kb" \
    $((mon_kb - bare_kb))
printf '  bare dialog with the monitor'"'"'s system libraries loaded: %d KB (difference %d KB)\n' "$dlls_kb" \
    $((mon_kb - dlls_kb))
