// Memory status and the registry's processor clock on Windows.
#include <windows.h>

#include "platform/os_factory.h"

namespace tidemark {
namespace {

class WindowsMachineOs final : public MachineOs {
public:
    MemoryStatus globalMemoryStatus() override {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof(status);
        if (!GlobalMemoryStatusEx(&status)) return {};
        auto bytes = [](DWORDLONG v) { return static_cast<std::int64_t>(v); };
        return MemoryStatus{static_cast<std::int32_t>(status.dwMemoryLoad), bytes(status.ullTotalPhys),
                            bytes(status.ullAvailPhys),  bytes(status.ullTotalPageFile),
                            bytes(status.ullAvailPageFile), bytes(status.ullTotalVirtual),
                            bytes(status.ullAvailVirtual)};
    }

    std::int32_t firstProcessorMHz() override {
        HKEY key = nullptr;
        RegOpenKeyA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", &key);
        std::int32_t mhz = 0;
        DWORD type = 0;
        DWORD size = 4;
        RegQueryValueExA(key, "~MHz", nullptr, &type, reinterpret_cast<LPBYTE>(&mhz), &size);
        RegCloseKey(key);
        return mhz;
    }
};

}  // namespace

std::unique_ptr<MachineOs> makeMachineOs() { return std::make_unique<WindowsMachineOs>(); }

}  // namespace tidemark
