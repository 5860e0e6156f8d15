# The setup's please-wait window shown modeless over a modal dialog: its caption, text, picture and lack of a
# close box, and that Escape and Enter leave it open; then the driver-file stager run from a kit folder.
# Both through the please-wait probe, a test program of the Windows build.

readonly PW_CAPTION="QRVE Printer Driver - Setup"
readonly PW_TEXT=$'Now the printer will be installed ...\nPlease wait ...'
readonly HOST_CAPTION="Please Wait Probe"
readonly WS_CAPTION=0x00C00000 WS_SYSMENU=0x00080000 WS_EX_APPWINDOW=0x00040000
WAIT_BMP=$(dirname "${BASH_SOURCE[0]}")/../../../setup/res/wait.bmp
readonly DRIVER_DIR_WIN='C:\windows\system32\spool\drivers\w32x86'
PROBE_EXE=$(dirname "$ROBOT_EXE")/please_wait_probe.exe
DRIVER_DIR=$WINEPREFIX/drive_c/windows/system32/spool/drivers/w32x86

# Starts the probe (arguments passed on) and waits for the please-wait window; sets PROBE_PID.
probe_start() {
    e2e_start "$PROBE_EXE" "$@"
    PROBE_PID=$E2E_LAST_PID
    robot find --caption "$PW_CAPTION" --timeout 15000 >/dev/null
}

# Ends the probe through its modal host's own Escape, which must still end the host's modal loop.
probe_end() {
    robot key --caption "$HOST_CAPTION" --vk ESCAPE >/dev/null && e2e_wait_pid_gone "$PROBE_PID" 10000
}

pw_visible() { robot visible --caption "$PW_CAPTION" >/dev/null; }

bits_set() { (($1 & $2)); }
bits_clear() { ! (($1 & $2)); }

# The picture control holds bitmap 132 at its own size, drawn pixel for pixel in the window's top left
# corner (the etched line covers its last column, and the window its last row, so those are left out).
picture_matches() {
    local picture px py pw ph
    picture=$(robot rect --caption "$PW_CAPTION" --id -1) || return 1
    read -r px py pw ph <<<"$picture"
    [ "$pw $ph" = "112 128" ] || { e2e_log "picture is ${pw}x${ph}"; return 1; }
    import -display "$DISPLAY" -window root -crop "111x120+${px}+${py}" +repage "$E2E_WORK/shown.png"
    convert "$WAIT_BMP" -crop 111x120+0+0 +repage "$E2E_WORK/expected.png"
    [ "$(compare -metric AE "$E2E_WORK/shown.png" "$E2E_WORK/expected.png" null: 2>&1)" = 0 ]
}

# Two columns right of the picture: an etched line is a dark and a light column, each of one colour.
etched_line_drawn() {
    local picture px py pw ph
    picture=$(robot rect --caption "$PW_CAPTION" --id -1) || return 1
    read -r px py pw ph <<<"$picture"
    import -display "$DISPLAY" -window root -crop "2x100+$((px + pw - 1))+${py}" +repage "$E2E_WORK/line.png"
    [ "$(convert "$E2E_WORK/line.png" -crop 1x100+0+0 +repage -unique-colors -format %w info:)" = 1 ] &&
        [ "$(convert "$E2E_WORK/line.png" -crop 1x100+1+0 +repage -unique-colors -format %w info:)" = 1 ] &&
        [ "$(convert "$E2E_WORK/line.png" -unique-colors -format %w info:)" = 2 ]
}

window_looks_right() {
    check "the please-wait window opens over a modal dialog" probe_start || return 1
    check "it is visible" pw_visible
    check_eq "its text" "$PW_TEXT" "$(robot text --caption "$PW_CAPTION" --id 1002)"
    check_eq "its font (8 points)" "MS Shell Dlg -11" \
        "$(robot font --caption "$PW_CAPTION" --id 1002 | paste -sd' ')"
    local style exstyle
    { read -r style && read -r exstyle; } < <(robot style --caption "$PW_CAPTION")
    check "it has a caption" bits_set "$style" $WS_CAPTION
    check "it has no system menu, so no close box" bits_clear "$style" $WS_SYSMENU
    check "it has a taskbar button" bits_set "$exstyle" $WS_EX_APPWINDOW
    check "bitmap 132 is on the left" picture_matches
    check "an etched line parts picture and text" etched_line_drawn
    e2e_screenshot please-wait "$PW_CAPTION"
    e2e_screenshot please-wait-desktop

    local row key via
    for row in ESCAPE:post RETURN:post ESCAPE:input RETURN:input; do
        key=${row%%:*} via=${row#*:}
        robot key --caption "$PW_CAPTION" --vk "$key" --via "$via" >/dev/null
        sleep 0.5
        check "$key ($via) leaves it open" pw_visible
    done
    check "the modal host still ends by its own Escape" probe_end
}

# A bare dialog on the same template, modeless over the modal loop, gets its keys too: both close it. This is
# what the please-wait window's own Escape and Enter handling has to stop.
plain_dialog_gets_its_keys() {
    local row key via
    for row in ESCAPE:post RETURN:post ESCAPE:input RETURN:input; do
        key=${row%%:*} via=${row#*:}
        check "bare dialog for $key ($via) opens" probe_start --plain || return 1
        robot key --caption "$PW_CAPTION" --vk "$key" --via "$via" >/dev/null
        check "$key ($via) closes the bare dialog" robot wait-gone --caption "$PW_CAPTION" --timeout 3000
        check "the host outlives it" probe_end
    done
}

# Runs the stager in a Windows folder; sets STAGE_RC and STAGE_OUT (its standard output without CRs).
stage_from() {
    (cd "$1" && timeout 60 wine "$PROBE_EXE" --stage >"$E2E_WORK/stage.out" 2>/dev/null)
    STAGE_RC=$?
    STAGE_OUT=$(tr -d '\r' <"$E2E_WORK/stage.out")
}

readonly STAGE_TRACE="Allocating a buffer of size $((${#DRIVER_DIR_WIN} + 1))"
readonly STAGED_OUT="$STAGE_TRACE"$'\n'"directory: $DRIVER_DIR_WIN"

stage_copies_kit_files() {
    local kit=$WINEPREFIX/drive_c/kit name
    mkdir -p "$kit/STM"
    for name in KDP225VOYG.GPD kdp225voyg.inf QRVE9pin.dll unidrv.dll unidrv.hlp stdnames.gpd QRVE9W.CAT \
        Uninstall.exe readme.txt setup.ini STM/KDP225VOYG.exe; do
        echo "kit's $name" >"$kit/$name"
    done
    echo old >"$DRIVER_DIR/QRVE9pin.dll"
    echo old >"$DRIVER_DIR/unidrv.hlp"
    stage_from "$kit"
    check_eq "staging ends normally" 0 "$STAGE_RC"
    check_eq "trace and driver directory" "$STAGED_OUT" "$STAGE_OUT"
    for name in KDP225VOYG.GPD kdp225voyg.inf QRVE9pin.dll unidrv.dll unidrv.hlp stdnames.gpd QRVE9W.CAT \
        Uninstall.exe; do
        check "$name is in the driver directory with the kit's content" \
            cmp -s "$kit/$name" "$DRIVER_DIR/$name"
    done
    for name in readme.txt setup.ini STM KDP225VOYG.exe; do
        check "$name is not copied" test ! -e "$DRIVER_DIR/$name"
    done
    check "the spooler's own subfolder is kept" test -d "$DRIVER_DIR/3"
}

stage_with_nothing_to_copy() {
    local kit=$WINEPREFIX/drive_c/nokit before
    mkdir -p "$kit"
    echo text >"$kit/readme.txt"
    before=$(ls -lR "$DRIVER_DIR")
    stage_from "$kit"
    check_eq "nothing to copy ends normally" 0 "$STAGE_RC"
    check_eq "nothing to copy: trace and driver directory" "$STAGED_OUT" "$STAGE_OUT"
    check_eq "nothing to copy leaves the driver directory alone" "$before" "$(ls -lR "$DRIVER_DIR")"
}

# Wine's shell reports a failure for several files copied onto one file: the driver directory replaced by
# a file makes the copy fail. The program must end with 1 straight away, with no message of its own (a
# message box would keep it running until the timeout).
stage_copy_fails() {
    local kit=$WINEPREFIX/drive_c/kit2
    mkdir -p "$kit"
    echo gpd >"$kit/A.GPD"
    echo inf >"$kit/A.INF"
    mv "$DRIVER_DIR" "$DRIVER_DIR.saved" && echo "not a folder" >"$DRIVER_DIR" || return 1
    stage_from "$kit"
    check_eq "a failed copy ends the program with 1" 1 "$STAGE_RC"
    check_eq "a failed copy ends it inside the stager" "$STAGE_TRACE" "$STAGE_OUT"
    check_eq "nothing was written over the file" "not a folder" "$(cat "$DRIVER_DIR")"
    rm -f "$DRIVER_DIR" && mv "$DRIVER_DIR.saved" "$DRIVER_DIR"
}

scenario() {
    check "the probe is built" test -f "$PROBE_EXE" || return 1
    window_looks_right
    plain_dialog_gets_its_keys
    stage_copies_kit_files
    stage_with_nothing_to_copy
    stage_copy_fails
}
