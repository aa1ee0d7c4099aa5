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
        return MemoryStatus{static_cast<std::int32_t>(status.dwMemoryLoad),
                            bytes(status.ullTotalPhys),
                            bytes(status.ullAvailPhys),
                            bytes(status.ullTotalPageFile),
                            bytes(status.ullAvailPageFile),
                            bytes(status.ullTotalVirtual),
                            bytes(status.ullAvailVirtual)};
    }

    std::int32_t firstProcessorMHz() override {
        // Only a double word is taken: a missing key or a value of another
        // type or size leaves the documented 0, never stray bytes.
        DWORD mhz = 0;
        DWORD size = sizeof mhz;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", "~MHz",
                         RRF_RT_REG_DWORD, nullptr, &mhz, &size) != ERROR_SUCCESS)
            return 0;
        return static_cast<std::int32_t>(mhz);
    }
};

}  // namespace

std::unique_ptr<MachineOs> makeMachineOs() { return std::make_unique<WindowsMachineOs>(); }

}  // namespace tidemark
