#include "platform/parent_console.h"

#include <windows.h>

#include <cstdio>

namespace tidemark {
namespace {

bool sentSomewhere(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void answerInParentConsole() {
    const bool outSent = sentSomewhere(STD_OUTPUT_HANDLE), errorSent = sentSomewhere(STD_ERROR_HANDLE);
    if ((outSent && errorSent) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (!outSent) std::freopen("CONOUT$", "w", stdout);
    if (!errorSent) std::freopen("CONOUT$", "w", stderr);
}

}  // namespace tidemark
