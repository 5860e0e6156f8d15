// The USB auto-detect dialog's decisions: which arrivals are the model's printer, and the port name
// from the printer interface's registry data.
#include "setup/app/usb_port.h"

#include <gtest/gtest.h>

using namespace setup;

TEST(UsbPort, ArrivalMatch) {
    const std::string instance = "qrv-225voyg";
    struct Case {
        const char* name;
        bool matches;
    } cases[] = {
        {"\\\\?\\USB#VID_6A2F&PID_1101#qrv-225voyg#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", true},
        {"\\\\?\\usb#vid_6a2f&pid_1101#QRV-225VOYG#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", true},
        {"\\\\?\\USB#VID_6A2F&PID_1101#qrv-225voyg#", true},
        // another model of the family, another vendor, a device without an interface class part
        {"\\\\?\\USB#VID_6A2F&PID_1101#qrv-215onyx#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", false},
        {"\\\\?\\USB#VID_046D&PID_C52B#qrv-225voyg#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", false},
        {"\\\\?\\USB#VID_6A2F&PID_1101#qrv-225voyg", false},
        {"\\\\?\\USB#VID_6A2F&PID_1101#qrv-225voyg-2#{x}", false},
        {"", false},
        {"#", false},
        {"\\\\?", false},
        {"\\\\?\\", false},
        {"\\\\?\\#", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsModelPrinterArrival(c.name, instance), c.matches) << c.name;
}

TEST(UsbPort, InterfaceKeyPath) {
    EXPECT_EQ(UsbInterfaceKeyPath("qrv-225voyg"),
              "SYSTEM\\CurrentControlSet\\Control\\DeviceClasses\\{28d78fad-5a12-11d1-ae5b-0000f803a8c2}\\"
              "##?#USB#Vid_6a2f&Pid_1101#qrv-225voyg#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}");
}

TEST(UsbPort, PortFromRegistryFacts) {
    struct Case {
        UsbPortFacts facts;
        std::optional<std::string> port;
    } cases[] = {
        {{1u, true, 1u}, std::string("USB001")},
        {{1u, true, 3u}, std::string("USB003")},
        {{1u, true, 12u}, std::string("USB012")},
        {{1u, true, 1234u}, std::string("USB1234")},
        {{1u, true, std::nullopt}, std::string("USB001")}, // no port number: the "Linked" 1 stays
        {{0u, true, 3u}, std::nullopt},                    // the interface is not linked
        {{2u, true, 3u}, std::nullopt},
        {{std::nullopt, true, 3u}, std::nullopt},          // a key or "Linked" missing
        {{1u, false, 3u}, std::nullopt},                   // no "Device Parameters" key
    };
    for (const Case& c : cases)
        EXPECT_EQ(UsbPortFromFacts(c.facts), c.port);
}
