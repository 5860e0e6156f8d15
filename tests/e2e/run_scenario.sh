#!/usr/bin/env bash
# Runs one end-to-end scenario in its own copy of the base prefix and its own X display.
# Usage: run_scenario.sh SCENARIO_FILE  (environment: BASE_PREFIX KIT_DIR ROBOT_EXE SCREENSHOT_DIR MODEL_ID)
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
scenario_file=$1
: "${BASE_PREFIX:?}" "${KIT_DIR:?}" "${ROBOT_EXE:?}" "${SCREENSHOT_DIR:?}" "${MODEL_ID:?}"

trap e2e_cleanup EXIT
e2e_start_session "$BASE_PREFIX" || exit 1
source "$scenario_file"
scenario
status=$?
if [ "$E2E_FAILURES" -ne 0 ] || [ "$status" -ne 0 ]; then
    e2e_log "scenario $(basename "$scenario_file"): $E2E_FAILURES failed check(s), status $status"
    [ -s "$E2E_WORK/robot.log" ] && { echo "--- robot stderr"; tail -n 20 "$E2E_WORK/robot.log"; }
    exit 1
fi
e2e_log "scenario $(basename "$scenario_file"): passed"
