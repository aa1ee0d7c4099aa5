#include <unistd.h>

#include "platform/qt/current_user.h"

namespace tidemark {

// The effective user: root running a user's build is not that user.
unsigned currentUserId() { return ::geteuid(); }

}  // namespace tidemark
