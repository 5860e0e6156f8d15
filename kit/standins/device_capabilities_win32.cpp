// DrvDeviceCapabilities of the stand-in configuration DLL: what DeviceCapabilities answers for a printer
// of the kit, from the same feature table as the device mode. Unknown questions get GDI_ERROR.
#include "printer_features_win32.h"

namespace {

constexpr DWORD kUnsupported = GDI_ERROR;
constexpr size_t kPaperNameLength = 64;  // characters per name that DC_PAPERNAMES writes
constexpr size_t kSourceNameLength = 24; // and DC_BINNAMES
constexpr DWORD kRotatesBy90 = 90;

// Writes one entry per item when there is somewhere to write, and answers how many there are.
template <typename Out, typename Item, size_t N, typename Write>
DWORD List(const Item (&items)[N], void* output, Write write) {
    if (output) {
        Out* slot = static_cast<Out*>(output);
        for (const Item& item : items)
            write(item, slot++);
    }
    return N;
}

template <size_t Length> struct Name { WCHAR text[Length]; };

template <size_t Length> void CopyName(const wchar_t* from, Name<Length>* to) {
    ::ZeroMemory(to, sizeof *to);
    ::lstrcpynW(to->text, from, Length);
}

// DC_MINEXTENT and DC_MAXEXTENT pack width and length into the answer itself.
DWORD Extent(bool largest) {
    short width = standin::kPapers[0].width;
    short length = standin::kPapers[0].length;
    for (const standin::Paper& paper : standin::kPapers) {
        const bool wider = largest ? paper.width > width : paper.width < width;
        const bool longer = largest ? paper.length > length : paper.length < length;
        width = wider ? paper.width : width;
        length = longer ? paper.length : length;
    }
    return MAKELONG(width, length);
}

DWORD PaperCapability(WORD capability, void* output) {
    using standin::Paper;
    switch (capability) {
    case DC_PAPERS:
        return List<WORD>(standin::kPapers, output, [](const Paper& p, WORD* to) { *to = p.id; });
    case DC_PAPERSIZE:
        return List<POINT>(standin::kPapers, output, [](const Paper& p, POINT* to) {
            *to = POINT{p.width, p.length};
        });
    case DC_PAPERNAMES:
        return List<Name<kPaperNameLength>>(
            standin::kPapers, output,
            [](const Paper& p, Name<kPaperNameLength>* to) { CopyName(p.name, to); });
    case DC_MINEXTENT:
        return Extent(false);
    case DC_MAXEXTENT:
        return Extent(true);
    default:
        return kUnsupported;
    }
}

DWORD SourceOrResolutionCapability(WORD capability, void* output) {
    using standin::Resolution;
    using standin::Source;
    switch (capability) {
    case DC_BINS:
        return List<WORD>(standin::kSources, output, [](const Source& s, WORD* to) { *to = s.id; });
    case DC_BINNAMES:
        return List<Name<kSourceNameLength>>(
            standin::kSources, output,
            [](const Source& s, Name<kSourceNameLength>* to) { CopyName(s.name, to); });
    case DC_ENUMRESOLUTIONS:
        return List<LONG[2]>(standin::kResolutions, output, [](const Resolution& r, LONG(*to)[2]) {
            (*to)[0] = r.x;
            (*to)[1] = r.y;
        });
    default:
        return kUnsupported;
    }
}

DWORD DevmodeCapability(WORD capability) {
    switch (capability) {
    case DC_FIELDS:
        return standin::kDevmodeFields;
    case DC_SIZE:
        return standin::kDevmodeSize;
    case DC_EXTRA:
        return 0;
    case DC_VERSION:
        return standin::kDevmodeVersion;
    case DC_DRIVER:
        return standin::kDriverVersion;
    case DC_COPIES:
        return standin::kMaxCopies;
    case DC_ORIENTATION:
        return kRotatesBy90;
    case DC_DUPLEX:
    case DC_COLLATE:
    case DC_COLORDEVICE:
        return 0; // a monochrome printer of single sheets or one continuous web
    default:
        return kUnsupported;
    }
}

} // namespace

extern "C" DWORD WINAPI DrvDeviceCapabilities(HANDLE, PWSTR, WORD capability, PVOID output, PDEVMODEW) {
    DWORD answer = PaperCapability(capability, output);
    if (answer == kUnsupported)
        answer = SourceOrResolutionCapability(capability, output);
    if (answer == kUnsupported)
        answer = DevmodeCapability(capability);
    return answer;
}
