# Install, uninstall and install again, REINSTALL_CYCLES times (default 10) in one system: Setup.exe through
# Manual on LPT1:, then Uninstall.exe /quiet. Every installation reports success, every removal leaves the
# system as the first removal did, and the tenth installation leaves exactly what the first one did:
# printers, drivers, ports, INF copies, files, start-up values, uninstall entries, shortcuts, services
# and running monitors are counted after each step.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../install_lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../setup_lib.sh"

REINSTALL_CYCLES=${REINSTALL_CYCLES:-10}
readonly REPORT="QRV KDP 225 Voyager Printer Driver & Status Monitor installed successfully."
readonly UNINSTALLER=$DRIVER_DIR_UNIX/Uninstall.exe
readonly CCS='HKLM\System\CurrentControlSet'
readonly PRINTERS_KEY="$CCS\\Control\\Print\\Printers"
readonly PORTS_KEY='HKLM\Software\Microsoft\Windows NT\CurrentVersion\Ports'
readonly SERVICE_KEY="$CCS\\Services\\hwinterface"

# Wine's own reg.exe lists subkeys and values, which the robot does not.
reg_query() { wine reg query "$1" 2>/dev/null | tr -d '\r'; }
# reg.exe names each subkey by its full path (HKLM spelled out); a key without values has no heading line.
subkey_count() {
    local full=${1/#HKLM\\/HKEY_LOCAL_MACHINE\\}
    # Through the environment: awk -v would read the backslashes as escapes.
    reg_query "$1" | SUBKEY_PREFIX="$full\\" awk 'BEGIN { prefix = tolower(ENVIRON["SUBKEY_PREFIX"]) }
        index(tolower($0), prefix) == 1 && length($0) > length(prefix) { n++ } END { print n + 0 }'
}
value_count() { reg_query "$1" | grep -c -E "^    .*    REG_[A-Z_]+    " || true; }
matching_values() { reg_query "$1" | grep -c -i -E "^    $2.*    REG_" || true; }
files_in() { if [ -d "$1" ]; then find "$1" -type f | wc -l; else echo 0; fi; }
count_of() { printf '%s\n' "$1" | grep -c -i -- "$2" || true; }

# One "name value" line per thing an installation adds or might add again.
system_counts() {
    local printers inf_names
    printers=$(robot printers)
    inf_names=$(ls "$WINEPREFIX/drive_c/windows/inf")
    echo "printers $(printf '%s' "$printers" | grep -c . || true)"
    echo "model-printers $(printf '%s\n' "$printers" | cut -f1 | grep -c -F "$PRINTER_NAME" || true)"
    echo "printer-keys $(subkey_count "$PRINTERS_KEY")"
    echo "drivers $(subkey_count "$DRIVERS_KEY")"
    echo "ports $(robot ports | grep -c . || true)"
    echo "port-keys $(value_count "$PORTS_KEY")"
    echo "inf-files $(count_of "$inf_names" '\.inf$')"
    echo "inf-model $(count_of "$inf_names" '^qrve.*\.inf$')"
    echo "inf-oem $(count_of "$inf_names" '^oem.*\.inf$')"
    echo "pnf-files $(count_of "$inf_names" '\.pnf$')"
    echo "driver-dir-files $(files_in "$DRIVER_DIR_UNIX")"
    echo "stm-files $(files_in "$DRIVER_DIR_UNIX/STM")"
    echo "run-values $(value_count "$RUN_KEY")"
    echo "run-model $(matching_values "$RUN_KEY" "QRVE$MODEL_ID")"
    echo "uninstall-entries $(subkey_count "$UNINSTALL_ENTRIES_KEY")"
    echo "uninstall-qrv $(reg_query "$UNINSTALL_ENTRIES_KEY" | grep -c -F 'QRV Electronics' || true)"
    echo "shortcuts $(find "$WINEPREFIX/drive_c" -iname '*.lnk' | wc -l)"
    echo "services $(subkey_count "$CCS\\Services")"
    echo "port-driver-service $(reg_query "$SERVICE_KEY" | grep -c -F 'ImagePath' || true)"
    echo "monitors $(robot proc --exe "$MONITOR_EXE_NAME" | grep -c . || true)"
}

one_line() { tr '\n' ' ' <<<"$1" | sed 's/ $//'; }

# One check that every count of $2 is the one in $3 ($1 names the step); a failure lists the counts that
# differ as name:expected->actual.
same_counts() {
    local what=$1 differences
    differences=$(awk 'NR == FNR { want[$1] = $2; next }
                       ($1 in want) && want[$1] != $2 { printf "%s:%s->%s ", $1, want[$1], $2 }
                       { seen[$1] = 1 }
                       END { for (n in want) if (!(n in seen)) printf "%s:%s->none ", n, want[n] }' \
        <(printf '%s\n' "$2") <(printf '%s\n' "$3"))
    check_eq "$what" "" "$differences"
}

# Counts that must be back to the clean system's after every removal (files the driver staged stay,
# and so may INF copies and the driver's service: those are compared with the first removal's instead).
readonly BACK_TO_CLEAN="printers model-printers printer-keys drivers ports port-keys run-values run-model
    uninstall-entries uninstall-qrv shortcuts stm-files monitors"

select_counts() { # select_counts COUNTS NAME...
    local counts=$1
    shift
    local name
    for name in "$@"; do
        awk -v n="$name" '$1 == n' <<<"$counts"
    done
}

count_named() { awk -v n="$2" '$1 == n { print $2 }' <<<"$1"; }

install_once() {
    local cycle=$1
    install_printer_key
    install_kit_copy
    check "cycle $cycle: Setup.exe reaches its report" setup_run_manual || return 1
    check_eq "cycle $cycle: the report" "$REPORT" "$(setup_box_text)"
    setup_answer_box 1
    check "cycle $cycle: Setup.exe ends" e2e_wait_pid_gone "$SETUP_PID" 10000
    check "cycle $cycle: the monitor runs" robot find --caption "$MONITOR_CAPTION" --timeout 15000 >/dev/null
}

uninstall_once() {
    local cycle=$1
    wine "$UNINSTALLER" /quiet >/dev/null 2>&1
    check_eq "cycle $cycle: Uninstall.exe /quiet answers 0" 0 "$?"
    check "cycle $cycle: the monitor has ended" robot wait-exit --exe "$MONITOR_EXE_NAME" --timeout 5000
}

scenario() {
    install_prepare_system
    local clean installed_first removed_first counts counts_installed_last cycle
    local started installed_at removal_started finished
    clean=$(system_counts)
    e2e_log "clean: $(one_line "$clean")"
    for cycle in $(seq 1 "$REINSTALL_CYCLES"); do
        started=$(date +%s%3N)
        install_once "$cycle" || return 1
        installed_at=$(date +%s%3N)
        counts=$(system_counts)
        e2e_log "cycle $cycle installed: $(one_line "$counts")"
        counts_installed_last=$counts
        if [ "$cycle" = 1 ]; then
            installed_first=$counts
            check_eq "cycle 1: one printer of the model" 1 "$(count_named "$counts" model-printers)"
            check_eq "cycle 1: one running monitor" 1 "$(count_named "$counts" monitors)"
            # Without this, counts the installation never touched would compare equal however it went.
            local name
            for name in printer-keys drivers inf-model stm-files run-model uninstall-qrv shortcuts; do
                check "cycle 1 added to $name" \
                    test "$(count_named "$counts" "$name")" -gt "$(count_named "$clean" "$name")"
            done
        else
            same_counts "cycle $cycle installed as cycle 1" "$installed_first" "$counts"
        fi

        removal_started=$(date +%s%3N)
        uninstall_once "$cycle"
        finished=$(date +%s%3N)
        counts=$(system_counts)
        e2e_log "cycle $cycle removed: $(one_line "$counts")"
        same_counts "cycle $cycle removed, as the clean system" \
            "$(select_counts "$clean" $BACK_TO_CLEAN)" "$(select_counts "$counts" $BACK_TO_CLEAN)"
        if [ "$cycle" = 1 ]; then
            removed_first=$counts
        else
            same_counts "cycle $cycle removed, as cycle 1" "$removed_first" "$counts"
        fi
        e2e_log "cycle $cycle: installation $((installed_at - started)) ms," \
            "removal $((finished - removal_started)) ms," \
            "the whole cycle with its counting $(($(date +%s%3N) - started)) ms"
    done
    e2e_log "after cycle 1 installed: $(one_line "$installed_first")"
    e2e_log "after cycle $REINSTALL_CYCLES installed: $(one_line "$counts_installed_last")"
}
