#!/usr/bin/env bash
# Runs the kit under Wine in a virtual display as a user would: Setup.exe in a fresh Vista prefix through
# the model dialog and Manual to LPT1:, the installation and its report, then the status monitor that
# the installation started, from its tray icon. Saves a screenshot of every window on the way.
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
# These name paths inside the session's prefix.
source "$here/../tests/e2e/install_lib.sh"
source "$here/../tests/e2e/setup_lib.sh"
install_prepare_system
install_printer_key
install_kit_copy

fail() { e2e_log "demo stopped: $*"; exit 1; }

e2e_log "starting Setup.exe from the kit"
setup_start
setup_wait_window "$SETUP_WAIT_TEXT" 30000 || fail "no please-wait window"
e2e_screenshot 01-setup-please-wait
setup_wait_window "$SETUP_MODEL_LIST" 10000 || fail "no model dialog"
sleep 0.5
e2e_screenshot 02-model-dialog
setup_click 1
setup_wait_window "$SETUP_MANUAL_BUTTON" 30000 || fail "no USB dialog"
sleep 0.5
e2e_screenshot 03-usb-auto-detect
setup_click "$SETUP_MANUAL_BUTTON"
setup_wait_window "$SETUP_PORT_LIST" 10000 || fail "no port dialog"
sleep 0.5
e2e_screenshot 04-manual-port-selection
e2e_log "installing on $(robot text --caption "$SETUP_CAPTION" --id "$SETUP_CURRENT_PORT")"
setup_click "$SETUP_PORT_OK"
setup_wait_box 60000 || fail "no report"
e2e_screenshot 05-installation-report
e2e_log "report: $(setup_box_text)"
setup_answer_box 1
e2e_wait_pid_gone "$SETUP_PID" 10000 || fail "Setup.exe did not end"

e2e_log "the status monitor the installation started"
robot find --caption "$MONITOR_CAPTION" --timeout 15000 >/dev/null || fail "the monitor did not start"
MONITOR_WINPID=$(robot proc --exe "$MONITOR_EXE_NAME" | head -n1)
sleep 1
e2e_screenshot 06-monitor-in-tray
monitor_show_from_tray >/dev/null
# On LPT1: without a readable status register the monitor reports no link after eight ticks.
monitor_wait_text 1004 "Communicaton Error" 15000
e2e_screenshot 07-monitor-shown-from-tray
e2e_screenshot 08-monitor-window "$MONITOR_CAPTION"
robot click --caption "$MONITOR_CAPTION" --id 1007 >/dev/null
monitor_wait_visibility hidden
monitor_tray_event rbuttonup >/dev/null
sleep 0.5
e2e_screenshot 09-tray-menu
robot menu-choose --text Exit >/dev/null
sleep 1
robot proc --exe "$MONITOR_EXE_NAME" >/dev/null 2>&1 || e2e_log "the monitor ended through its Exit command"

echo "Screenshots:"
ls -1 "$SCREENSHOT_DIR"/*.png
