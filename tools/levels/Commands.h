#pragma once
// The level tool's commands; each returns the process exit code.
#include "Arguments.h"

namespace tolvar::levels {

int RunVerify(const std::vector<std::string>& args);
int RunSolve(const std::vector<std::string>& args);
int RunImport(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
int RunCollections(const std::vector<std::string>& args);

/// Prints "tolvar-levels: message" to standard error and returns `code`.
int Complain(int code, const std::string& message);

}  // namespace tolvar::levels
