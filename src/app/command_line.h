#pragma once
// The program's command line. It is read before the toolkit starts, so help
// and the version need no display.
#include <QString>
#include <QStringList>

namespace tidemark {

// What the command line asks for: start the monitor, or print a text and end.
struct CommandLineRequest {
    bool start = true;
    int exitStatus = 0;  // when not starting: 0 after help or the version, 2 after a usage error
    QString text;        // when not starting: for standard output on 0, standard error otherwise
};

// `arguments` as the program got them, its own name first.
CommandLineRequest readCommandLine(const QStringList& arguments);

}  // namespace tidemark
