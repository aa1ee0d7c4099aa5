#include "platform/qt/platform_choice.h"

namespace tidemark {

// Windows has no X server to share images with.
void chooseSharedImages() {}

}  // namespace tidemark
