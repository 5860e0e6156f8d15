# The port driver as a kernel service: it serves the read request (Wine's HAL answers every port with 0),
# refuses short buffers and other codes, and its device goes with it when it stops. Then its test double
# answers the "StatusByte" of its service key, read afresh at every request.

readonly SERVICES_KEY='HKLM\SYSTEM\CurrentControlSet\Services'

# Copies a driver image into the system's driver folder and answers its absolute Windows path; Wine does
# not resolve the usual relative "System32\Drivers\..." image path (StartService fails with 1114).
install_image() {
    cp "$1" "$WINEPREFIX/drive_c/windows/system32/drivers/" || return 1
    printf 'C:\\windows\\system32\\drivers\\%s' "$(basename "$1")"
}

# Each row: what | port-read options | expected output.
check_reads() {
    local row what options expected
    for row in "$@"; do
        IFS='|' read -r what options expected <<<"$row"
        # shellcheck disable=SC2086 # the options are several words
        check_eq "$what" "$expected" "$(robot port-read $options)"
    done
}

# Creates and starts a kernel service; answers 1 when it did not start, as nothing after could pass.
start_driver() {
    local name=$1 image=$2 start=$3 started
    check "service $name is created ($start start)" \
        robot service-create --name "$name" --image "$image" --start "$start"
    check_eq "service $name is stopped before its start" stopped "$(robot service-state --name "$name")"
    started=$(robot service-start --name "$name")
    check_eq "service $name starts" 0 "$started"
    check_eq "service $name runs" running "$(robot service-state --name "$name")"
    [ "$started" = 0 ]
}

scenario() {
    local build real double
    build=$(dirname "$ROBOT_EXE")
    real=$(install_image "$build/driver/hwinterface.sys") || return 1
    double=$(install_image "$build/tests/e2e/doubles/hwinterface_double.sys") || return 1

    check_eq "no device before a driver runs" "error 2" "$(robot port-read --address 0x379)"
    start_driver hwinterface "$real" system || return 1
    check_eq "a second start: already running" 1056 "$(robot service-start --name hwinterface)"
    check_reads \
        "status port 0x379|--address 0x379|0x00" \
        "status port 0x3BC|--address 0x3BC|0x00" \
        "room to spare in and out|--address 0x379 --in-len 3 --out-len 3|0x00" \
        "one address byte|--address 0x379 --in-len 1|error 87" \
        "no room for the answer|--address 0x379 --out-len 0|error 87" \
        "nothing in, nothing out|--address 0x379 --in-len 0 --out-len 0|error 87" \
        "control code 0|--address 0x379 --code 0|error 1" \
        "function 0x800|--address 0x379 --code 0x9C402000|error 1" \
        "function 0x802|--address 0x379 --code 0x9C402008|error 1" \
        "the read function asking for write access|--address 0x379 --code 0x9C40A004|error 1"
    check "service hwinterface stops" robot service-stop --name hwinterface
    check_eq "stopped after the stop" stopped "$(robot service-state --name hwinterface)"
    check_eq "the unload removed the device" "error 2" "$(robot port-read --address 0x379)"

    start_driver hwdouble "$double" demand || return 1
    local key="$SERVICES_KEY\\hwdouble"
    check_eq "no StatusByte reads as 0" 0x00 "$(robot port-read --address 0x379)"
    local row data expected
    for row in 0x7f:0x7f 0x80:0x80 0:0x00 0xff:0xff 0x1df:0xdf; do
        data=${row%%:*} expected=${row#*:}
        robot reg-set --key "$key" --value StatusByte --type dword --data "$data"
        check_eq "StatusByte $data reads as $expected" "$expected" "$(robot port-read --address 0x379)"
    done
    robot reg-set --key "$key" --value StatusByte --type sz --data 127
    check_eq "a StatusByte that is not a DWORD reads as 0" 0x00 "$(robot port-read --address 0x379)"
    robot reg-set --key "$key" --value StatusByte --type dword --data 0x5a
    check_eq "back to a DWORD" 0x5a "$(robot port-read --address 0x379)"
    robot reg-del --key "$key" --value StatusByte
    check_eq "a deleted StatusByte reads as 0" 0x00 "$(robot port-read --address 0x379)"
    check_reads \
        "the double refuses one address byte|--address 0x379 --in-len 1|error 87" \
        "the double refuses function 0x802|--address 0x379 --code 0x9C402008|error 1"

    check "service hwdouble is deleted" robot service-delete --name hwdouble
    check "service hwinterface is deleted" robot service-delete --name hwinterface
    check "no service hwinterface is left" test "$(robot service-state --name hwinterface; echo $?)" = 1
}
