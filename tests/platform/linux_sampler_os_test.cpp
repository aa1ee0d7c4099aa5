// The Linux sampler backend over a fake /proc tree and a fake clock,
// read through the sampler the way the window reads it.
#include "platform/linux/linux_sampler_os.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "measurement/cpu_load.h"
#include "support/fake_system_root.h"

namespace tidemark {
namespace {

// Two processors online and one offline between them, for a simulated minute: the idle counters
// (idle plus iowait) move in whole clock ticks and each tick starts late by an irregular amount, yet
// the figures shown must average the true load within a tenth of a point, which averaging loads rounded
// to whole percent would miss. The offline one counts in no mean; the wall clock stands still, as the
// time base is the monotonic clock.
TEST(LinuxSampler, FiguresOfAMinuteAverageTheTrueLoadOfTheProcessorsOnline) {
    const double tickMicroseconds = 1e6 / static_cast<double>(sysconf(_SC_CLK_TCK));
    for (const int interval : {50, 100, 500})  // in ms
        for (const double load : {0.2, 99.8}) {
            SCOPED_TRACE(::testing::Message() << load << " % every " << interval << " ms");
            testing::FakeSystemRoot root;
            timespec monotonic{};
            LinuxSamplerOs os(root.path,
                              [&](clockid_t clock) { return clock == CLOCK_MONOTONIC ? monotonic : timespec{}; });
            CPULoad sampler(os);
            ProcessorFigure figures;
            double total = 0;
            const int ticks = 60'000 / interval;
            for (std::int64_t tick = 0; tick <= ticks; ++tick) {
                const std::int64_t now = tick * (interval * 1000 + 800) + tick * 7919 % 1400;  // in microseconds
                std::string stat = "cpu  4705 356 584 3699176 23060 0 277 0 0 0\n";
                for (const int n : {0, 2}) {  // the processors' ticks fall at different moments
                    const auto idle =
                        static_cast<std::uint64_t>((1 - load / 100) * (now + 1700 * n + 1700) / tickMicroseconds);
                    stat += "cpu" + std::to_string(n) + " 1393 32 572 " + std::to_string(idle / 2) + " " +
                            std::to_string(idle - idle / 2) + " 0 178 0 0 0\n";
                }
                root.write("/proc/stat", stat + "intr 1462898 0 0\nctxt 3474393\n");
                monotonic = {static_cast<time_t>(100 + now / 1'000'000), static_cast<long>(now % 1'000'000 * 1000)};
                sampler.CollectCPUData();
                if (tick > 0) total += figures.next(sampler, 3).value_or(-1000);
            }
            EXPECT_NEAR(total / ticks, load, 0.1);
        }
}

}  // namespace
}  // namespace tidemark
