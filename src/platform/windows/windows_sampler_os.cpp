// The sampler's operating-system calls on Windows: the registry's performance
// data (NT family) and dynamic statistics (95 family).
#include <windows.h>

#include "platform/os_factory.h"

namespace tidemark {
namespace {

class WindowsSamplerOs final : public SamplerOs {
public:
    bool getVersion(std::uint32_t& platformId) override {
        OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);  // 148
        // Later Windows versions report older version numbers here, but the
        // platform family is always right, and that is all the sampler asks.
        if (!GetVersionExA(&info)) return false;
        platformId = info.dwPlatformId;
        return true;
    }

    std::uint32_t numberOfProcessors() override {
        SYSTEM_INFO info{};
        GetSystemInfo(&info);
        return info.dwNumberOfProcessors;
    }

    long queryProcessorPerformanceData(std::vector<std::byte>& buffer) override {
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(buffer.size());
        return RegQueryValueExA(HKEY_PERFORMANCE_DATA, "238", nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()),
                                &size);
    }

    // The idle-time counters advance with the clock interrupt, 64 times a second.
    std::int64_t counterResolution() const override { return 156'250; }

    long openDynDataKey(const char* subKey, std::uint32_t access, DynKey& key) override {
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(HKEY_DYN_DATA, subKey, 0, access, &opened);
        key = reinterpret_cast<DynKey>(opened);
        return result;
    }

    void queryCpuUsageStatistic(DynKey key, std::int32_t& value) override {
        DWORD type = 0;
        DWORD size = 4;
        RegQueryValueExA(reinterpret_cast<HKEY>(key), "KERNEL\\CPUUsage", nullptr, &type,
                         reinterpret_cast<LPBYTE>(&value), &size);
    }

    void closeKey(DynKey key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }

    bool systemTimeToFileTime(const tidemark::SystemTime& time, std::int64_t& fileTime) override {
        const SYSTEMTIME st{time.year, time.month,  time.dayOfWeek, time.day,
                            time.hour, time.minute, time.second,    time.milliseconds};
        FILETIME ft{};
        if (!SystemTimeToFileTime(&st, &ft)) return false;
        fileTime = static_cast<std::int64_t>(static_cast<std::uint64_t>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime);
        return true;
    }
};

}  // namespace

std::unique_ptr<SamplerOs> makeSamplerOs() { return std::make_unique<WindowsSamplerOs>(); }

}  // namespace tidemark
