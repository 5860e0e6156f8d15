# Functions the status monitor's scenarios share: starting it, its window and its tray icon.
# Sourced by scenario files after lib.sh.

MONITOR_CAPTION="QRV KDP 225 Voyager - Status Monitor"
MONITOR_EXE_NAME="$MODEL_ID.exe"
WM_TRAY_NOTIFY=1039

# Starts the kit's monitor and waits for its (hidden) main window; sets MONITOR_PID (unix) and
# MONITOR_WINPID (Windows).
monitor_start() {
    e2e_start "$KIT_DIR/STM/$MONITOR_EXE_NAME"
    MONITOR_PID=$E2E_LAST_PID
    robot find --caption "$MONITOR_CAPTION" --timeout 15000 >/dev/null || return 1
    MONITOR_WINPID=$(robot proc --exe "$MONITOR_EXE_NAME" | head -n1)
    [ -n "$MONITOR_WINPID" ]
}

# The tray icon's callback, as the taskbar sends it for a mouse event (dblclk, rbuttonup, ...).
monitor_tray_event() {
    robot tray --class FwWnd --pid "$MONITOR_WINPID" --msg "$WM_TRAY_NOTIFY" --event "$1"
}

monitor_text() { robot text --caption "$MONITOR_CAPTION" --id "$1"; }

monitor_visible() { robot visible --caption "$MONITOR_CAPTION" >/dev/null; }

monitor_hidden() { ! monitor_visible; }

# Polls until the window's visibility is as asked (visible|hidden), for up to two seconds.
monitor_wait_visibility() {
    local want=$1 i
    for i in $(seq 1 20); do
        if [ "$want" = visible ]; then monitor_visible && return 0; else monitor_hidden && return 0; fi
        sleep 0.1
    done
    return 1
}

# Shows the window from the tray icon and answers the tip then shown.
monitor_show_from_tray() {
    monitor_tray_event dblclk >/dev/null || return 1
    monitor_wait_visibility visible || return 1
    monitor_text 1008
}

# A crop of the notification area, to see whether the icon is there.
notification_area_shot() {
    import -display "$DISPLAY" -window root -crop 120x24+904+744 +repage "$1"
}

# Number of pixels in which two images differ.
image_difference() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
