// What the 9-pin printers offer, as the stand-in configuration DLL reports it: paper sizes, paper
// sources, resolutions and copies. The generated GPD (kit/driver_text/model.gpd.in) lists the same.
#pragma once

#include <windows.h>

namespace standin {

struct Paper {
    short id;
    const wchar_t* name;
    short width;  // tenths of a millimetre
    short length; // tenths of a millimetre
};

// Cut sheets and the continuous paper the tractor takes.
constexpr Paper kPapers[] = {
    {DMPAPER_LETTER, L"Letter", 2159, 2794},
    {DMPAPER_A4, L"A4", 2100, 2970},
    {DMPAPER_FANFOLD_STD_GERMAN, L"German Std Fanfold", 2159, 3048},
};
constexpr short kDefaultPaper = DMPAPER_LETTER;

struct Source {
    short id;
    const wchar_t* name;
};

constexpr Source kSources[] = {
    {DMBIN_TRACTOR, L"Tractor Feed"},
    {DMBIN_MANUAL, L"Manual Feed"},
};
constexpr short kDefaultSource = DMBIN_TRACTOR;

struct Resolution {
    short x; // dots per inch
    short y;
};

// Draft, and letter quality with the head passing three times per line.
constexpr Resolution kResolutions[] = {{120, 72}, {240, 216}};
constexpr Resolution kDefaultResolution = {240, 216};

constexpr short kMaxCopies = 99;
// The device mode layout the DLL writes (4.01, public part only) and the driver's own version.
constexpr WORD kDevmodeVersion = 0x0401;
constexpr WORD kDriverVersion = 0x0500;
constexpr DWORD kDevmodeSize = sizeof(DEVMODEW);
constexpr DWORD kDevmodeFields =
    DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE | DM_PRINTQUALITY | DM_YRESOLUTION;

} // namespace standin
