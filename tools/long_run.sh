#!/usr/bin/env bash
# The monitor's long run: the monitor_long_run scenario for SECONDS (default 1800, half an hour) instead of
# the two minutes of `make test`, in a fresh copy of the base prefix; its readings go to the log printed.
# Usage: long_run.sh KIT_DIR WIN_BUILD_DIR BASE_PREFIX [SECONDS]
# (after `make host`: tools/long_run.sh out/kit-KDP225VOYG build/win build/host/e2e/base-prefix)
set -u
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 3 ] || { echo "usage: $0 KIT_DIR WIN_BUILD_DIR BASE_PREFIX [SECONDS]" >&2; exit 2; }
absolute() { (cd "$1" && pwd); }
KIT_DIR=$(absolute "$1") || exit 2
WIN_BUILD_DIR=$(absolute "$2") || exit 2
BASE_PREFIX=$(absolute "$3") || exit 2
if [ ! -d "$BASE_PREFIX/drive_c" ]; then
    echo "no Wine prefix at $BASE_PREFIX (ctest's e2e.prefix makes it)" >&2
    exit 2
fi
export KIT_DIR BASE_PREFIX
export ROBOT_EXE=$WIN_BUILD_DIR/robot.exe
export MODEL_ID=$(basename "$KIT_DIR" | sed 's/^kit-//')
export LONG_RUN_SECONDS=${4:-1800}
export SCREENSHOT_DIR=${SCREENSHOT_DIR:-/tmp/kit-long-run-shots}
# The scenario ends by itself after its last round; the limit is only for a hung Wine.
exec timeout $((LONG_RUN_SECONDS + 600)) "$here/../tests/e2e/run_scenario.sh" \
    "$here/../tests/e2e/scenarios/monitor_long_run.sh"
