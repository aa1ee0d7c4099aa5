#include "platform/qt/screen_scroller.h"

namespace tidemark {

// On Windows the toolkit scrolls the window's picture itself.
std::unique_ptr<ScreenScroller> makeScreenScroller(QWidget*, std::function<void()>) { return nullptr; }

}  // namespace tidemark
