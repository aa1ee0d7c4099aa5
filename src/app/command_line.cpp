#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "tools/product.h"

namespace tidemark {

CommandLineRequest readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Shows the processor load and the physical memory in use, and can log every reading to a daily file.\n"
        "tidemark(1) tells where the log goes and which files the program keeps.");
    // The parser's own help option also offers --help-all, which needs a
    // running application to list the toolkit's options; these two need none.
    const QCommandLineOption help({"h", "help"}, "Print this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Print the version and exit.");
    parser.addOption(help);
    parser.addOption(version);

    // Without an application object the parser does not know the program's name.
    const QString usage =
        parser.helpText().replace("<executable_name>", QFileInfo(arguments.value(0, "tidemark")).fileName());
    if (!parser.parse(arguments)) return {false, 2, parser.errorText() + "\n\n" + usage};
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        return {false, 2, "Unexpected argument '" + extra.front() + "'.\n\n" + usage};
    if (parser.isSet(help)) return {false, 0, usage};
    if (parser.isSet(version)) return {false, 0, QString("%1 %2\n").arg(kProductTitle, kVersionText)};
    return {};
}

}  // namespace tidemark
