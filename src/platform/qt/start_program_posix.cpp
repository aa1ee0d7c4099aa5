#include <QProcess>

#include "platform/qt/start_program.h"

namespace tidemark {

bool startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

}  // namespace tidemark
