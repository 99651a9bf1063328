#include "platform/win32/PrinterChoice.h"

#include <commdlg.h>

#include <cstddef>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/PrinterSettingsBytes.h"

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
        : m_memory(memory), m_data(memory ? static_cast<const T*>(::GlobalLock(memory)) : nullptr) {}
    ~Locked() {
        if (m_data)
            ::GlobalUnlock(m_memory);
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    const T* Get() const { return m_data; }

  private:
    HGLOBAL m_memory;
    const T* m_data;
};

// The first size bytes of movable memory (at most as many as it holds).
std::vector<std::uint8_t> BytesOf(HGLOBAL memory, std::size_t size) {
    const Locked<std::uint8_t> data(memory);
    if (!data.Get())
        return {};
    return {data.Get(), data.Get() + std::min(size, ::GlobalSize(memory))};
}

HGLOBAL MovableCopy(const void* data, std::size_t size) {
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (void* target = memory ? ::GlobalLock(memory) : nullptr) {
        std::memcpy(target, data, size);
        ::GlobalUnlock(memory);
        return memory;
    }
    if (memory)
        ::GlobalFree(memory);
    return nullptr;
}

// The layout the profile's bytes are checked against.
static_assert(offsetof(DEVMODEW, dmSize) == 68 && offsetof(DEVMODEW, dmDriverExtra) == 70 &&
              offsetof(DEVMODEW, dmFields) + sizeof(DWORD) == 76 && sizeof(DEVNAMES) == 8);

// The settings as the printer's driver takes them: merged into its defaults and corrected.
std::vector<std::uint8_t> CorrectedDevMode(const std::wstring& device,
                                           const std::vector<std::uint8_t>& devMode) {
    if (!IsWholeDevMode(devMode))
        return {};
    HANDLE printer = nullptr;
    if (!::OpenPrinterW(const_cast<wchar_t*>(device.c_str()), &printer, nullptr))
        return {};
    std::vector<std::uint8_t> corrected;
    const LONG size =
        ::DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(device.c_str()), nullptr, nullptr, 0);
    if (size > 0) {
        std::vector<std::uint8_t> input = devMode;  // the driver reads from a buffer it may not change
        corrected.resize(static_cast<std::size_t>(size));
        if (::DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(device.c_str()),
                                  reinterpret_cast<DEVMODEW*>(corrected.data()),
                                  reinterpret_cast<DEVMODEW*>(input.data()),
                                  DM_IN_BUFFER | DM_OUT_BUFFER) != IDOK)
            corrected.clear();
    }
    ::ClosePrinter(printer);
    return corrected;
}

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
    if (m_devMode)
        ::GlobalFree(m_devMode);
    if (m_devNames)
        ::GlobalFree(m_devNames);
}

std::wstring PrinterChoice::DeviceName() const {
    const Locked<DEVNAMES> names(m_devNames);
    if (!names.Get())
        return DefaultPrinterName();
    return reinterpret_cast<const wchar_t*>(names.Get()) + names.Get()->wDeviceOffset;
}

HDC PrinterChoice::CreateDc() const {
    const std::wstring name = DeviceName();
    if (name.empty())
        return nullptr;
    const Locked<DEVMODEW> mode(m_devMode);
    return ::CreateDCW(L"WINSPOOL", name.c_str(), nullptr, mode.Get());
}

std::vector<std::uint8_t> PrinterChoice::DevNamesBytes() const {
    return BytesOf(m_devNames, ::GlobalSize(m_devNames) / sizeof(wchar_t) * sizeof(wchar_t));
}

// Memory may be larger than the settings it holds: they are dmSize plus dmDriverExtra bytes.
std::vector<std::uint8_t> PrinterChoice::DevModeBytes() const {
    const Locked<DEVMODEW> mode(m_devMode);
    if (!mode.Get())
        return {};
    return BytesOf(m_devMode, std::size_t{mode.Get()->dmSize} + mode.Get()->dmDriverExtra);
}

bool PrinterChoice::Restore(const std::vector<std::uint8_t>& devNames,
                            const std::vector<std::uint8_t>& devMode) {
    const std::optional<std::u16string> name = DeviceNameOfDevNames(devNames);
    if (!name)
        return false;
    const std::wstring device(name->begin(), name->end());
    if (!PrinterExists(device))
        return false;
    const HGLOBAL names = MovableCopy(devNames.data(), devNames.size());
    if (!names)
        return false;
    const std::vector<std::uint8_t> settings = devMode.empty() ? devMode : CorrectedDevMode(device, devMode);
    const HGLOBAL mode = settings.empty() ? nullptr : MovableCopy(settings.data(), settings.size());
    if (m_devNames)
        ::GlobalFree(m_devNames);
    if (m_devMode)
        ::GlobalFree(m_devMode);
    m_devNames = names;
    m_devMode = mode;
    return true;
}

}  // namespace platform::win32
