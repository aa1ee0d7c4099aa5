// Through the shell rather than as a bare process: a management console such
// as Services.msc is a document that only the shell knows how to open.
#include <QDesktopServices>
#include <string>
#include <vector>

#include "platform/qt/start_program.h"
#include "platform/windows/shell_start_windows.h"

namespace tidemark {

bool startProgram(const QString& program, const QStringList& arguments) {
    std::vector<std::string> texts;
    for (const QString& argument : arguments) texts.push_back(argument.toStdString());
    constexpr int kHighestFailure = 32;
    return shellStart(program.toStdString(), texts) > kHighestFailure;
}

// The shell answers at once whether anything opens the address or file.
bool openWithDesktop(const QUrl& url, std::function<void()>) { return QDesktopServices::openUrl(url); }

}  // namespace tidemark
