#!/usr/bin/env bash
# Whole-process figures under Wine: the monitor ticking for SECONDS beside a bare hidden dialog with a
# one-second timer, both started in the same session; CPU time and peak resident memory of each.
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

# A printer on USB001 with the model's printer attached: every tick queries the spooler double.
monitor_place_with_spooler_double USB001 >/dev/null || exit 1
monitor_start_copy || { echo "monitor did not start"; exit 1; }
usb_event arrival >/dev/null
e2e_start "$2/bare_dialog.exe"
bare_pid=$E2E_LAST_PID
robot find --caption "Bare Dialog" --timeout 15000 >/dev/null || { echo "bare dialog did not start"; exit 1; }

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
peak_kb() { awk '/^VmHWM/ {print $2}' "/proc/$1/status"; }

m0=$(cpu_ticks "$MONITOR_PID") b0=$(cpu_ticks "$bare_pid")
sleep "$seconds"
m1=$(cpu_ticks "$MONITOR_PID") b1=$(cpu_ticks "$bare_pid")
hz=$(getconf CLK_TCK)
mon_ms=$(( (m1 - m0) * 1000 / hz )) bare_ms=$(( (b1 - b0) * 1000 / hz ))
mon_kb=$(peak_kb "$MONITOR_PID") bare_kb=$(peak_kb "$bare_pid")
echo "monitor text after ${seconds}s: $(monitor_text 1005 | head -n1)"
printf 'CPU over %ss: monitor %d ms, bare dialog %d ms, ratio %s\n' "$seconds" "$mon_ms" "$bare_ms" \
    "$(awk -v a="$mon_ms" -v b="$bare_ms" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }')"
printf 'Peak working set: monitor %d KB, bare dialog %d KB, difference %d KB\n' "$mon_kb" "$bare_kb" \
    $((mon_kb - bare_kb))
