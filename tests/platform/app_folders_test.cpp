// Where the log folder goes, by what the system says of the program's folder.
#include <gtest/gtest.h>

#include "platform/qt/app_folders.h"

namespace tidemark {
namespace {

TEST(LogFolderRule, BesideTheProgramOnlyInACopyItsUserOwnsAndMayWrite) {
    struct Row {
        const char* name;
        ProgramFolderFacts facts;
        bool beside;
    };
    const Row rows[] = {
        {"a build folder of the user's", {1000, 1000, true, false}, true},
        {"root running the installed copy it owns and may write", {0, 0, true, true}, false},
        {"a folder the user may not write", {1000, 1000, false, false}, false},
        {"root running a user's build folder", {1000, 0, true, false}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(logsBesideProgram(row.facts), row.beside);
    }
}

}  // namespace
}  // namespace tidemark
