// The fifteen rows of the model table, stored exactly as the vendor named them.
// Rows 7, 10 and 14 are irregular on purpose (see the comments); never derive one column from another.
#include "model_catalogue.h"

namespace catalogue {

const char* const DisplayName[kModelCount] = {
    "QRV KDP 110 Nova",   "QRV KDP 210 Tempo",       "QRV KDP 210 Tempo Plus", "QRV KDP 210 Nova",
    "QRV KDP 215",        "QRV KDP 215 Ranger XL",   "QRV KDP 215 Ranger Plus", "QRV KHD 215 Onyx",
    "QRV KDP 215 Nova",   "QRV KDP 220 Ranger",      "QRV KHD 220 Onyx",       "QRV KDP 220 Nova",
    "QRV KDP 225",        "QRV KDP 225 Voyager",     "QRV PRO Z700",
};

// Row 0 says "qrve-", rows 7 and 10 reuse their model id, row 14 is upper case with two underscores:
// these are what the printers report over USB.
const char* const UsbInstanceId[kModelCount] = {
    "qrve-110nova", "qrv-210tp",   "qrv-210tpps", "qrv-210nova", "qrv-215",
    "qrv-215rgxl",  "qrv-215rgps", "KHD215ONYX",  "qrv-215nova", "qrv-220rg",
    "KHD220ONYX",   "qrv-220nova", "qrv-225",     "qrv-225voyg", "QRVE-Z700__",
};

const char* const HardwareId[kModelCount] = {
    "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA", "NA",
};

const char* const ShareName[kModelCount] = {
    "QRVKDP110NOVA", "QRVKDP210TP",   "QRVKDP210TPPS", "QRVKDP210NOVA", "QRVKDP215",
    "QRVKDP215RGXL", "QRVKDP215RGPS", "QRVKHD215ONYX", "QRVKDP215NOVA", "QRVKDP220RG",
    "QRVKHD220ONYX", "QRVKDP220NOVA", "QRVKDP225",     "QRVKDP225VOYG", "PROZ700",
};

const char* const ModelId[kModelCount] = {
    "KDP110NOVA", "KDP210TP",   "KDP210TPPS", "KDP210NOVA", "KDP215",
    "KDP215RGXL", "KDP215RGPS", "KHD215ONYX", "KDP215NOVA", "KDP220RG",
    "KHD220ONYX", "KDP220NOVA", "KDP225",     "KDP225VOYG", "PROZ700",
};

// Row 14: digit zero after "PR" and a hyphen, as the shipped INF is really called.
const char* const InfFileName[kModelCount] = {
    "QRVEKDP110NOVA.INF", "QRVEKDP210TP.INF",   "QRVEKDP210TPPS.INF", "QRVEKDP210NOVA.INF",
    "QRVEKDP215.INF",     "QRVEKDP215RGXL.INF", "QRVEKDP215RGPS.INF", "QRVEKHD215ONYX.INF",
    "QRVEKDP215NOVA.INF", "QRVEKDP220RG.INF",   "QRVEKHD220ONYX.INF", "QRVEKDP220NOVA.INF",
    "QRVEKDP225.INF",     "QRVEKDP225VOYG.INF", "QRVEPR0-Z700.INF",
};

// Row 14: hyphen and lower-case extension, as the shipped GPD is really called.
const char* const GpdFileName[kModelCount] = {
    "KDP110NOVA.GPD", "KDP210TP.GPD",   "KDP210TPPS.GPD", "KDP210NOVA.GPD", "KDP215.GPD",
    "KDP215RGXL.GPD", "KDP215RGPS.GPD", "KHD215ONYX.GPD", "KDP215NOVA.GPD", "KDP220RG.GPD",
    "KHD220ONYX.GPD", "KDP220NOVA.GPD", "KDP225.GPD",     "KDP225VOYG.GPD", "PRO-Z700.gpd",
};

} // namespace catalogue
