#include "platform/win32/PrinterChoice.h"

#include <commdlg.h>

#include <vector>

namespace platform::win32 {

namespace {

// A4 at 600 dpi is 4958 x 7017 dots; the printable area is centred on it.
constexpr int kFallbackResolution = 600;
constexpr int kFallbackPaperWidth = 4958, kFallbackPaperHeight = 7017;
constexpr int kFallbackPrintableWidth = 4676, kFallbackPrintableHeight = 6744;

// Locks movable global memory for the lifetime of the view.
template <typename T>
class Locked {
  public:
    explicit Locked(HGLOBAL memory)
        : memory_(memory), data_(memory ? static_cast<const T*>(::GlobalLock(memory)) : nullptr) {}
    ~Locked() {
        if (data_)
            ::GlobalUnlock(memory_);
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    const T* Get() const { return data_; }

  private:
    HGLOBAL memory_;
    const T* data_;
};

}  // namespace

PaperGeometry GeometryOf(HDC printer) {
    PaperGeometry geometry;
    geometry.printableWidth = ::GetDeviceCaps(printer, HORZRES);
    geometry.printableHeight = ::GetDeviceCaps(printer, VERTRES);
    geometry.paperWidth = ::GetDeviceCaps(printer, PHYSICALWIDTH);
    geometry.paperHeight = ::GetDeviceCaps(printer, PHYSICALHEIGHT);
    geometry.offsetX = ::GetDeviceCaps(printer, PHYSICALOFFSETX);
    geometry.offsetY = ::GetDeviceCaps(printer, PHYSICALOFFSETY);
    geometry.dotsPerInchX = ::GetDeviceCaps(printer, LOGPIXELSX);
    geometry.dotsPerInchY = ::GetDeviceCaps(printer, LOGPIXELSY);
    // A device that knows no paper (a display, a metafile) is all printable area.
    if (geometry.paperWidth < geometry.printableWidth || geometry.paperHeight < geometry.printableHeight) {
        geometry.paperWidth = geometry.printableWidth;
        geometry.paperHeight = geometry.printableHeight;
        geometry.offsetX = geometry.offsetY = 0;
    }
    return geometry;
}

PaperGeometry FallbackGeometry() {
    PaperGeometry geometry;
    geometry.paperWidth = kFallbackPaperWidth;
    geometry.paperHeight = kFallbackPaperHeight;
    geometry.printableWidth = kFallbackPrintableWidth;
    geometry.printableHeight = kFallbackPrintableHeight;
    geometry.offsetX = (kFallbackPaperWidth - kFallbackPrintableWidth) / 2;
    geometry.offsetY = (kFallbackPaperHeight - kFallbackPrintableHeight) / 2;
    geometry.dotsPerInchX = geometry.dotsPerInchY = kFallbackResolution;
    return geometry;
}

std::wstring DefaultPrinterName() {
    DWORD size = 0;
    ::GetDefaultPrinterW(nullptr, &size);
    if (size == 0)
        return {};
    std::vector<wchar_t> name(size);
    if (!::GetDefaultPrinterW(name.data(), &size))
        return {};
    return name.data();
}

bool PrinterExists(const std::wstring& name) {
    HANDLE printer = nullptr;
    if (name.empty() || !::OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &printer, nullptr))
        return false;
    ::ClosePrinter(printer);
    return true;
}

PrinterChoice::~PrinterChoice() {
    if (devMode_)
        ::GlobalFree(devMode_);
    if (devNames_)
        ::GlobalFree(devNames_);
}

std::wstring PrinterChoice::DeviceName() const {
    const Locked<DEVNAMES> names(devNames_);
    if (!names.Get())
        return DefaultPrinterName();
    return reinterpret_cast<const wchar_t*>(names.Get()) + names.Get()->wDeviceOffset;
}

HDC PrinterChoice::CreateDc() const {
    const std::wstring name = DeviceName();
    if (name.empty())
        return nullptr;
    const Locked<DEVMODEW> mode(devMode_);
    return ::CreateDCW(L"WINSPOOL", name.c_str(), nullptr, mode.Get());
}

}  // namespace platform::win32
