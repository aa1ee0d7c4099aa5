#include "platform/windows/shell_start_windows.h"

#include <windows.h>

#include <shellapi.h>  // needs windows.h before it

#include <cstdint>

#include "platform/windows/windows_text.h"

namespace tidemark {
namespace {

// One argument, quoted when it must be: backslashes are doubled only where a
// quote follows them, as the splitting rules read them.
std::string quoted(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) return argument;
    std::string text = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        text.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        text += c;
        backslashes = 0;
    }
    text.append(backslashes * 2, '\\');
    return text + '"';
}

}  // namespace

std::string windowsArguments(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty()) line += ' ';
        line += quoted(argument);
    }
    return line;
}

int shellStart(const std::string& file, const std::vector<std::string>& arguments) {
    const std::optional<std::wstring> wideFile = wideFromUtf8(file);
    const std::optional<std::wstring> parameters = wideFromUtf8(windowsArguments(arguments));
    if (!wideFile || !parameters) return ERROR_FILE_NOT_FOUND;
    const HINSTANCE result = ShellExecuteW(nullptr, nullptr, wideFile->c_str(),
                                           parameters->empty() ? nullptr : parameters->c_str(), nullptr, SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<std::intptr_t>(result));
}

}  // namespace tidemark
