# Functions the status monitor's scenarios share: starting it, its window and its tray icon.
# Sourced by scenario files after lib.sh.

MONITOR_CAPTION="QRV KDP 225 Voyager - Status Monitor"
MONITOR_EXE_NAME="$MODEL_ID.exe"
WM_TRAY_NOTIFY=1039

# Starts the kit's monitor (or the copy at the given path) and waits for its hidden main window; sets
# MONITOR_PID (unix) and MONITOR_WINPID (Windows).
monitor_start() {
    e2e_start "${1:-$KIT_DIR/STM/$MONITOR_EXE_NAME}"
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

WIN_BUILD_DIR=$(dirname "$ROBOT_EXE")
SPOOLER_DOUBLE=$WIN_BUILD_DIR/tests/e2e/doubles/winspool/winspool.drv
PORT_DRIVER_DOUBLE=$WIN_BUILD_DIR/tests/e2e/doubles/hwinterface_double.sys
SPOOLER_KEY='HKCU\Software\QrvKitTest\Spooler'
PRINTER_NAME="QRV KDP 225 Voyager"

# Sets one value of the spooler double's script: spooler_set NAME sz|dword|multi_sz DATA.
spooler_set() { robot reg-set --key "$SPOOLER_KEY" --value "$1" --type "$2" --data "$3"; }

# The data of one value of the script or of what the double noted, of any type.
spooler_get() { robot reg-get --key "$SPOOLER_KEY" --value "$1" | tail -n1; }

# A copy of the monitor with the spooler double beside it, loaded as native for that exe only, and a
# printer of the model on the given port with no jobs. Sets MONITOR_COPY (a Windows path).
monitor_place_with_spooler_double() {
    local port=$1 dir=$WINEPREFIX/drive_c/monitor
    mkdir -p "$dir"
    cp "$KIT_DIR/STM/$MONITOR_EXE_NAME" "$dir/" || return 1
    cp "$SPOOLER_DOUBLE" "$dir/winspool.drv" || return 1
    robot reg-set --key "HKCU\\Software\\Wine\\AppDefaults\\$MONITOR_EXE_NAME\\DllOverrides" \
        --value winspool.drv --type sz --data native || return 1
    spooler_set PrinterName sz "$PRINTER_NAME" && spooler_set Port sz "$port" && spooler_set Status dword 0 &&
        robot reg-del --key "$SPOOLER_KEY" --value Jobs >/dev/null 2>&1
    MONITOR_COPY='C:\monitor\'$MONITOR_EXE_NAME
}

# monitor_start for the copy placed by monitor_place_with_spooler_double.
monitor_start_copy() { monitor_start "$MONITOR_COPY"; }

# Waits up to a timeout (ms, default 6000) until control ID shows exactly TEXT.
monitor_wait_text() {
    local id=$1 want=$2 timeout=${3:-6000}
    local deadline=$(($(date +%s%3N) + timeout)) # by the clock: a missing window makes each read slow
    while [ "$(robot text --caption "$MONITOR_CAPTION" --id "$id" --timeout 500)" != "$want" ]; do
        [ "$(date +%s%3N)" -ge "$deadline" ] && return 1
        sleep 0.2
    done
}

# The model's USB printer arriving or leaving, as the system announces it to the monitor's window.
USB_PRINTER_NAME='\\?\USB#VID_6A2F&PID_1101#qrv-225voyg#{a5dcbf10-6530-11d2-901f-00c04fb951ed}'
usb_event() { robot devchange --caption "$MONITOR_CAPTION" --event "$1" --name "${2:-$USB_PRINTER_NAME}"; }

# The port driver's double as the running "hwinterface" service, answering StatusByte; created before the
# monitor starts, with the absolute image path Wine needs (the monitor's own create then finds it exists).
PORT_DRIVER_KEY='HKLM\SYSTEM\CurrentControlSet\Services\hwinterface'
port_driver_double_running() {
    cp "$PORT_DRIVER_DOUBLE" "$WINEPREFIX/drive_c/windows/system32/drivers/hwinterface.sys" || return 1
    robot service-create --name hwinterface --image 'C:\windows\system32\drivers\hwinterface.sys' \
        --start system || return 1
    [ "$(robot service-start --name hwinterface)" = 0 ]
}

status_byte() { robot reg-set --key "$PORT_DRIVER_KEY" --value StatusByte --type dword --data "$1"; }

# The I/O range Plug and Play gave the port LPT1: (0x378, 8 ports) where the monitor looks it up when no
# WMI entity names "(LPT1)", as under Wine.
lpt1_resources() {
    # count 1 | Isa, bus 0, version 1, revision 1, 1 partial | port, shared, flags 0x11, 0x378, length 8
    robot reg-set --key 'HKLM\SYSTEM\CurrentControlSet\Enum\(LPT1)\Control' --value AllocConfig \
        --type resource_list \
        --data "01000000 01000000 00000000 0100 0100 01000000 01 01 1100 7803000000000000 08000000"
}

# Pixels of one exact colour (#RRGGBB) in the heading of a window screenshot.
heading_pixels() {
    convert "$1" -crop 250x30+120+30 +repage txt:- | grep -c -i "$2"
}

# A printer of the model in Wine's own spooler, on the given port.
real_printer_on() {
    robot add-driver --name "$PRINTER_NAME" &&
        robot add-printer --printer "$PRINTER_NAME" --port "$1" --driver "$PRINTER_NAME"
}
