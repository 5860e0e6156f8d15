// Values of the monitor-only columns. Texts are Windows-1252: "\x96" is the en dash of tips 5 and 6.
// The mutex names live in the global namespace so that one monitor per model runs machine-wide.
#include "monitor_catalogue.h"

namespace catalogue::monitor {

const char VersionText[] = "Ver 2.01 (9W)";

const char* const MonitorMutexName[kModelCount] = {
    "Global\\{AD615511-D215-4ff1-9305-CA551D3B8500}", "Global\\{378A916F-E764-4d11-BE39-FD4E67731A81}",
    "Global\\{68A34BFC-1753-4c62-997C-8A379D84D961}", "Global\\{B40EACA8-92E2-4328-A625-F7F6844D5B28}",
    "Global\\{D0D6B7BC-4637-4241-A976-1224FC072D5C}", "Global\\{1CC10FF3-DF20-499e-926B-05E0CBF859F5}",
    "Global\\{D7595568-44DE-4f97-8D37-7E1B03CA5125}", "Global\\{80A9593F-1E06-453d-9757-A47E2539A4BA}",
    "Global\\{E6945CE1-41FE-486d-AC85-886282FA0EEC}", "Global\\{040382E9-99EC-4838-B9AF-A1E8054D760A}",
    "Global\\{6F5E4328-5FE1-444e-BF8E-EB224E74A47B}", "Global\\{0764D091-EAFD-447e-8CC9-5D68988535CB}",
    "Global\\{D870E50C-ADD3-4174-B676-9BF91248F1C4}", "Global\\{360E9EDD-2DD1-49f1-9E6A-71C4941CCD0B}",
    "Global\\{420DC2FE-56CC-4b10-AC57-B6855E415582}",
};

const char* const Tips[kTipCount] = {
    "In case of \"Printer Fonts\" set font size as 10 for better throughput and speed.",
    "Ensure same \"Page Size\" setting is selected in application (like MS-Word) and also in printer driver.",
    "For multicopy stationary use Copy Mode setting as Enabled for good quality printing.",
    "In case of power failure or the printer is switched OFF while printing, cancel the previous print job "
    "and clear the printer buffer memory.",
    "If the printer is printing slow, try Bidirectional setting in Printer Menu mode.",
    "Caution \x96 Do not rotate the platen knob while printer is switched ON.",
    "Caution \x96 Do not connect the parallel port cable while the printer is switched ON.",
    "Garbage printing indicates a faulty cable or loose connection. Switch OFF the printer, disconnect and "
    "reconnect the cable in printer and computer.",
    "PRINT LED will blink when there is no paper in the printer.",
    "If you are replacing a ribbon be sure the printer is switched OFF.",
    "Use QRV Ink bank to recharge your ribbon cassette.",
};

} // namespace catalogue::monitor
