#pragma once
// Wraps the toolkit's start, which connects to the display.
#include <QStringList>

namespace tidemark {

// While it lives, the toolkit's messages are held back. When the toolkit
// gives up at its start, the program prints one line saying why and exits
// with status 1, instead of aborting with the toolkit's advice to reinstall:
// either no display could be opened, or the display platform plugin could
// not be found or loaded (with the toolkit's reason). Otherwise the held
// messages are passed on at the end.
class DisplayGuard {
public:
    // Messages that start with one of `expected` are dropped, now and after.
    explicit DisplayGuard(QStringList expected = {});
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

}  // namespace tidemark
