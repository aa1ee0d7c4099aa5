#include "logging/save_names.h"

#include <algorithm>
#include <cctype>

namespace tidemark {
namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

std::string defaultSaveTitle(std::int16_t saveCount) { return "Tidemark" + std::to_string(saveCount) + ".bmp"; }

bool isReplaceableTitle(std::string_view title) { return title.empty() || startsWithIgnoringCase(title, "tidemark"); }

std::string withBmpExtension(std::string path) {
    const std::string_view tail = std::string_view(path).substr(path.size() >= 4 ? path.size() - 4 : 0);
    if (!(tail.size() == 4 && startsWithIgnoringCase(tail, ".bmp"))) path += ".bmp";
    return path;
}

std::string fileTitleOf(std::string_view path, char separator) {
    const auto at = path.rfind(separator);
    return at == std::string_view::npos ? std::string() : std::string(path.substr(at + 1));
}

}  // namespace tidemark
