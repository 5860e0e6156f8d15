#!/usr/bin/env bash
# Whole-process figures under Wine: the monitor ticking for SECONDS beside a bare hidden dialog with a
# one-second timer (and a second one that also loads the monitor's system libraries), all started in the
# same session; CPU time and peak resident memory of each, read from /proc of their Wine processes.
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
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a (0 ms)" }'; }
echo "monitor state after ${seconds}s: $(monitor_text 1005 | head -n1)"
printf 'CPU over %ss: monitor %s ms, bare dialog %s ms (ratio %s)\n' \
    "$seconds" "$mon_ms" "$bare_ms" "$(ratio "$mon_ms" "$bare_ms")"
printf '  bare dialog with the monitor'"'"'s system libraries loaded: %s ms (ratio %s)\n' "$dlls_ms" \
    "$(ratio "$mon_ms" "$dlls_ms")"
printf 'Peak working set: monitor %d KB, bare dialog %d KB (difference %d KB)\n' "$mon_kb" "$bare_kb" \
    $((mon_kb - bare_kb))
printf '  bare dialog with the monitor'"'"'s system libraries loaded: %d KB (difference %d KB)\n' "$dlls_kb" \
    $((mon_kb - dlls_kb))
