#pragma once
#include <QString>

#include "platform/qt/desktop_services.h"

namespace tidemark {

// The full path of the system's information program; empty when there is none.
QString findSystemInfoProgram(Shell& shell);

}  // namespace tidemark
