#!/usr/bin/env bash
# Runs the kit under Wine in a virtual display as a user would see it and saves screenshots.
# Usage: demo.sh KIT_DIR ROBOT_EXE SHOT_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
export KIT_DIR=$1 ROBOT_EXE=$2 SCREENSHOT_DIR=$3
export MODEL_ID=$(basename "$KIT_DIR" | sed 's/^kit-//')
source "$here/../tests/e2e/lib.sh"
source "$here/../tests/e2e/monitor_lib.sh"

base=$(mktemp -d /tmp/kit-demo.XXXXXX)
trap 'e2e_cleanup; rm -rf "$base"' EXIT
rm -rf "$SCREENSHOT_DIR"
e2e_log "making a fresh Wine prefix"
e2e_make_prefix "$base/prefix" || exit 1
e2e_start_session "$base/prefix" || exit 1

e2e_log "starting the status monitor"
monitor_start || { e2e_log "the monitor did not start"; exit 1; }
sleep 1
e2e_screenshot 1-monitor-started-hidden
monitor_show_from_tray >/dev/null
e2e_screenshot 2-monitor-shown-from-tray
e2e_screenshot 3-monitor-window "$MONITOR_CAPTION"
robot click --caption "$MONITOR_CAPTION" --id 1007 >/dev/null
monitor_wait_visibility hidden
monitor_tray_event rbuttonup >/dev/null
sleep 0.5
e2e_screenshot 4-tray-menu
robot menu-choose --text Exit >/dev/null
e2e_wait_pid_gone "$MONITOR_PID" 10000 && e2e_log "the monitor ended through its Exit command"

# The installation engine on LPT1: from a copy of the kit, as the port dialogs will run it.
source "$here/../tests/e2e/install_lib.sh"
e2e_log "installing the kit on LPT1: with the engine's test program"
install_prepare_system
install_printer_key
install_kit_copy
(cd "$KIT_COPY" && exec wine install_runner.exe LPT1: --stage --hold-wait 2500 >/dev/null 2>&1) &
E2E_PIDS+=($!)
INSTALL_PID=$!
robot find --caption "$SETUP_CAPTION" --timeout 15000 >/dev/null && sleep 0.5
e2e_screenshot 5-please-wait
robot find --caption "$SETUP_CAPTION" --id "$MESSAGE_TEXT_ID" --timeout 60000 >/dev/null
e2e_screenshot 6-installation-report
e2e_log "report: $(install_report)"
install_confirm
monitor_start_from_install() {
    robot find --caption "$MONITOR_CAPTION" --timeout 15000 >/dev/null &&
        MONITOR_WINPID=$(robot proc --exe "$MONITOR_EXE_NAME" | head -n1) && [ -n "$MONITOR_WINPID" ]
}
if monitor_start_from_install; then
    sleep 1
    monitor_show_from_tray >/dev/null
    sleep 4
    e2e_screenshot 7-installed-monitor-shown
fi

echo "Screenshots:"
ls -1 "$SCREENSHOT_DIR"/*.png
