#pragma once
// Starting programs and consoles the way the Windows shell does.
#include <string>
#include <vector>

namespace tidemark {

// Opens `file` (a program, or a document such as a management console
// "Services.msc") with the shell, shown normally, passing `arguments`.
// Returns the shell's number: above 32 when it started; below 10 when the
// file, its path or access was missing (2: not found); 31 when nothing is
// associated with the file.
int shellStart(const std::string& file, const std::vector<std::string>& arguments);

// One command-line text of `arguments` that the usual Windows rules
// (CommandLineToArgvW, the C runtime) split back into exactly these.
std::string windowsArguments(const std::vector<std::string>& arguments);

}  // namespace tidemark
