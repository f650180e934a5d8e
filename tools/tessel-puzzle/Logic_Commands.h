#pragma once
// The tool's logic commands: hints, the logical steps, grading, and the batch forms of
// solve and grade that read one classic puzzle a line.

#include <ostream>
#include <string>

int Hint_Command(const std::string& path, bool json, std::ostream& out, std::ostream& err);
int Steps_Command(const std::string& path, bool json, std::ostream& out, std::ostream& err);
int Grade_Command(const std::string& path, bool json, std::ostream& out, std::ostream& err);
int Solve_Lines_Command(const std::string& path, std::ostream& out, std::ostream& err);
int Grade_Lines_Command(const std::string& path, std::ostream& out, std::ostream& err);
