# All fifteen kits (made by `make kits`), each against an independent table of the model names: the kit
# holds exactly its own row's driver files (row 14's irregular names included) and its monitor named
# <ModelId>.exe; the monitor shows its own model in its caption and keeps a lock of its own (a second
# copy ends, a neighbouring model's monitor runs beside it); Setup.exe lists its own model.
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

KITS_DIR=$(dirname "$KIT_DIR")
MODELS_TABLE=$(dirname "${BASH_SOURCE[0]}")/../kit_models.tsv

# The driver files of a kit, by name, one per line and sorted.
driver_files() { (cd "$1" && ls -1 | grep -i -E '\.(inf|gpd)$' | sort); }

kit_holds_its_row() { # kit_holds_its_row KIT DISPLAY ID INF GPD
    local kit=$1 display=$2 id=$3 inf=$4 gpd=$5 f
    for f in Setup.exe Uninstall.exe "$inf" "$gpd" QRVE9pin.dll unidrv.dll unidrvui.dll unires.dll unidrv.hlp \
        stdnames.gpd; do
        [ -f "$kit/$f" ] || { e2e_log "$kit: no $f"; return 1; }
    done
    [ "$(ls -1 "$kit/STM")" = "$id.exe" ] || { e2e_log "$kit/STM holds: $(ls -1 "$kit/STM" | paste -sd' ')"; return 1; }
    local expected
    expected=$(printf '%s\n' "$inf" "$gpd" stdnames.gpd | sort)
    [ "$(driver_files "$kit")" = "$expected" ] || { e2e_log "$kit driver files: $(driver_files "$kit" | paste -sd' ')"; return 1; }
    grep -qF "\"$display\"=$id," "$kit/$inf" && grep -qF "DataFile=$gpd" "$kit/$inf" ||
        { e2e_log "$kit/$inf does not name its row"; return 1; }
}

monitor_running() { robot proc --exe "$1.exe" >/dev/null; }
monitor_caption() { printf '%s - Status Monitor' "$1"; }

# Starts the kit's monitor and expects its own caption; a second copy must end on the lock.
monitor_is_its_row() { # monitor_is_its_row KIT DISPLAY ID
    local kit=$1 display=$2 id=$3
    e2e_start "$kit/STM/$id.exe"
    robot find --caption "$(monitor_caption "$display")" --timeout 20000 >/dev/null ||
        { e2e_log "no window captioned $(monitor_caption "$display")"; return 1; }
    e2e_start "$kit/STM/$id.exe"
    e2e_wait_pid_gone "$E2E_LAST_PID" 15000 || { e2e_log "a second $id.exe kept running"; return 1; }
    [ "$(robot proc --exe "$id.exe" | wc -l)" = 1 ]
}

setup_lists_its_row() { # setup_lists_its_row KIT DISPLAY
    KIT_COPY=$1
    setup_start
    setup_wait_window "$SETUP_MODEL_LIST" 30000 || return 1
    local entries
    entries=$(robot listview-items --caption "$SETUP_CAPTION" --id "$SETUP_MODEL_LIST")
    setup_click 2
    setup_wait_box 10000 && setup_answer_box 6
    e2e_wait_pid_gone "$SETUP_PID" 10000 || return 1
    [ "$entries" = "$(printf '0\tselected,focused\t%s' "$2")" ] || { e2e_log "Setup.exe lists: $entries"; return 1; }
}

scenario() {
    local index display id inf gpd usb previous_id="" rows=0
    while IFS=$'\t' read -r index display id inf gpd usb; do
        [ -z "$index" ] || [ "${index:0:1}" = "#" ] && continue
        rows=$((rows + 1))
        local kit=$KITS_DIR/kit-$id
        check "kit $index ($id) is built" test -d "$kit" || { e2e_log "run make kits first"; continue; }
        check "kit $index holds its own row's files" kit_holds_its_row "$kit" "$display" "$id" "$inf" "$gpd"
        check "kit $index's monitor shows its own model" monitor_is_its_row "$kit" "$display" "$id"
        if [ -n "$previous_id" ]; then
            check "kit $index's monitor runs beside the previous model's" monitor_running "$previous_id"
            robot kill --exe "$previous_id.exe" >/dev/null
        fi
        previous_id=$id
        check "kit $index's Setup.exe lists its own model" setup_lists_its_row "$kit" "$display"
    done <"$MODELS_TABLE"
    check_eq "the table has fifteen rows" 15 "$rows"
}
