# A model's USB printer already attached when the monitor starts (a USB printer interface faked in the
# registry, as SetupAPI reads it): the monitor is Ready at once on USB001, and a removal is followed.
source "$(dirname "${BASH_SOURCE[0]}")/../monitor_lib.sh"

readonly USBPRINT_CLASS='{28d78fad-5a12-11d1-ae5b-0000f803a8c2}'
readonly CCS='HKLM\SYSTEM\CurrentControlSet'

fake_usb_printer_interface() {
    local instance='USB\VID_6A2F&PID_1101\QRV-225VOYG'
    local interface="$CCS\\Control\\DeviceClasses\\$USBPRINT_CLASS\\##?#USB#VID_6A2F&PID_1101#qrv-225voyg#$USBPRINT_CLASS"
    robot reg-set --key "$interface" --value DeviceInstance --type sz --data "$instance" &&
        robot reg-set --key "$interface\\#\\Control" --value Linked --type dword --data 1 &&
        robot reg-set --key "$CCS\\Enum\\$instance" --value ClassGUID --type sz --data "$USBPRINT_CLASS"
}

scenario() {
    check "a USB printer interface of the model is present" fake_usb_printer_interface || return 1
    check "monitor placed beside the spooler double" monitor_place_with_spooler_double USB001 || return 1
    check "monitor starts" monitor_start_copy || return 1
    check "ready at once on USB001" monitor_wait_text 1005 "Ready to print."
    check_eq "ready heading" "Ready" "$(monitor_text 1004)"
    usb_event removal >/dev/null
    check "the removal is followed" monitor_wait_text 1004 "Communication Error"
}
