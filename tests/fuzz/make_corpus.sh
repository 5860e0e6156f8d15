#!/usr/bin/env bash
# Writes the fuzzers' seed inputs under tests/fuzz/corpus/<fuzzer>/: a few real-shaped inputs each, text
# or printf-made bytes. The files are committed; run this again only to change them.
set -eu
mkdir -p "$(dirname "$0")/corpus"
cd "$(dirname "$0")/corpus"

seed() { mkdir -p "$1" && printf "$3" "${@:4}" >"$1/$2"; }

# Resource lists: count, then full descriptors (interface, bus, version/revision, partial count) each with
# 16-byte partial descriptors (type, share, flags, start as 64 bits, length). Type 1 port, 2 IRQ, 4 DMA.
full='\x05\0\0\0\0\0\0\0\x01\0\x01\0'
port378='\x01\x01\x01\0\x78\x03\0\0\0\0\0\0\x08\0\0\0'
irq7='\x02\x01\0\0\x07\0\0\0\x07\0\0\0\xff\xff\xff\xff'
seed resource_list one_port "\x01\0\0\0${full}\x01\0\0\0${port378}"
dma3='\x04\x01\0\0\x03\0\0\0\0\0\0\0\0\0\0\0'
port278='\x01\x01\x01\0\x78\x02\0\0\0\0\0\0\x08\0\0\0'
two='\x02\0\0\0'
seed resource_list port_behind_others "${two}${full}${two}${irq7}${dma3}${full}${two}${irq7}${port278}"
seed resource_list no_port "\x01\0\0\0${full}\x01\0\0\0${irq7}"
seed resource_list counts_that_lie "\xff\xff\xff\xff${full}\xff\xff\xff\xff${irq7}"
seed resource_list no_descriptors '\0\0\0\0'

arrival='\\?\USB#VID_6A2F&PID_1101#qrv-225voyg#{a5dcbf10-6530-11d2-901f-00c04fb951ed}'
seed usb_match arrival '%s' "$arrival"
seed usb_match arrival_other_case '%s' \
    '\\?\usb#vid_6a2f&pid_1101#qrve-z700__#{A5DCBF10-6530-11D2-901F-00C04FB951ED}'
seed usb_match other_device '%s' \
    '\\?\USB#VID_046D&PID_C52B#5&2b1d4a&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}'
printers='{28d78fad-5a12-11d1-ae5b-0000f803a8c2}'
seed usb_match interface_list '%s\n%s\n%s' '\\?\usb#vid_046d&pid_c52b#5&2b1d4a&0&1#'"$printers" '!' \
    '\\?\usb#vid_6a2f&pid_1101#qrv-225voyg#'"$printers"
seed usb_match endless_list '%s\n%s\n%s' '!' '\\?\usb#vid_6a2f&pid_1101#qrv-225#'"$printers" '...'

# USB facts: flags (1 Linked read, 2 Device Parameters opened, 4 Port Number read), Linked, Port Number.
seed usb_port port_three "\x07\x01\0\0\0\x03\0\0\0%s" "$arrival"
seed usb_port no_port_number "\x03\x01\0\0\0\0\0\0\0%s" "$arrival"
seed usb_port not_linked "\x07\0\0\0\0\x01\0\0\0"
seed usb_port no_parameters "\x01\x01\0\0\0\0\0\0\0"
seed usb_port port_1234 "\x07\x01\0\0\0\xd2\x04\0\0"

seed port_list spooler_ports '%s\t%s\n' 'LPT1:' 'Local Port' 'LPT2:' 'Local Port' 'COM1:' 'Local Port' \
    'FILE:' 'Print to File' 'USB001' 'Virtual printer port for USB' 'XPSPort:' 'Local Port'
seed port_list no_lpt1 '%s\n%s\t%s' 'lpt1:' 'LPT1: ' 'Local Port'

seed port_classification lpt1 '%s' 'LPT1:'
seed port_classification lpt3 '%s' 'LPT3:'
seed port_classification lpt4 '%s' 'LPT4:'
seed port_classification lower_case_lpt1 '%s' 'lpt1:'
seed port_classification usb001 '%s' 'USB001'
seed port_classification com3 '%s' 'COM3:'
seed port_classification file '%s' 'FILE:'
seed port_classification tcp_ip '%s' 'IP_192.168.0.5'
seed port_classification network '%s' '\\server\printer'

# Registry values: a flags byte (1 registry readable, 2 spooler answered), then the value's bytes.
seed port_change multi_string '\x01LPT1:\0\0'
seed port_change moved '\x03USB001\0LPT1:\0USB001\0\0'
seed port_change unterminated '\x02LPT1:'
seed port_change unreadable '\x00\0LPT1:\0'

# A byte choosing the port ('0' LPT1), then entity Name and PNPDeviceID lines.
seed pnp_entity_match ecp_port '0%s\n%s\n%s\n%s\n' 'Communications Port (COM1)' 'ACPI\PNP0501\1' \
    'ECP Printer Port (LPT1)' 'ACPI\PNP0401\4&25EE97C0&0'
seed pnp_entity_match printer_then_port '1%s\n%s\n%s\n%s\n' 'QRV KDP 225 Voyager' 'LPTENUM\QRV225\1&7' \
    'Printer Port (LPT2)' 'ACPI\PNP0400\5&1A2B3C4D&0'

# Requests: code, flags (1 one buffer, 2 no input, 4 no output, 8 the read code), input and output
# lengths, the port's answer, the bytes sent.
seed port_request read_status '\x04\x20\x40\x9c\x01\x02\0\x01\0\xdf\x79\x03'
seed port_request read_separate '\x04\x20\x40\x9c\x00\x02\0\x01\0\x5f\x79\x02'
seed port_request other_function '\x08\x20\x40\x9c\x01\x02\0\x01\0\0\x79\x03'
seed port_request short_input '\x04\x20\x40\x9c\x01\x01\0\x01\0\0\x79'
seed port_request no_buffer '\x04\x20\x40\x9c\x06\0\0\0\0\0'

# Lines: printer name, command line, Programs folder, Windows folder, printer driver folder.
seed removal_names copy_quiet '%s\n' 'QRV KDP 225 Voyager (Copy 2)' \
    '"C:\WINDOWS\system32\spool\drivers\w32x86\Uninstall.exe" /quiet' \
    'C:\Documents and Settings\All Users\Start Menu\Programs' 'C:\WINDOWS' \
    'C:\WINDOWS\system32\spool\drivers\w32x86'
seed removal_names other_drive '%s\n' 'qrv kdp 225 voyager' 'Uninstall.exe' '' 'D:\WINNT' \
    'D:\WINNT\system32\spool\drivers\w32x86'
seed removal_names not_a_copy '%s\n%s\t%s\n' 'QRV KDP 225 Voyager (Copy 007)' 'Uninstall.exe /quietly' '/QUIET'
