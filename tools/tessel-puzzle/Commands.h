#pragma once
// The subcommands of tessel-puzzle. Run_Tool is main() without the process: it takes the
// arguments after the program name and writes to the given streams.

#include <ostream>
#include <string>
#include <vector>

// Exit codes: 0 done, 1 a file was refused or the work failed, 2 a bad argument.
int Run_Tool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const Tool_Usage;
