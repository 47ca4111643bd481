// A dictionary read without running a lookup: the top script and every
// script and companion file it reaches, checked for what breaks a lookup
// (errors), for what the preloaded road loses (warnings) and for what a
// check can't follow (notes).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rcv {

struct CheckFinding {
  // An error breaks lookups; a warning is what the preloaded road loses or
  // what never matches; a note is what the check could not follow.
  enum class Severity { kError, kWarning, kNote };
  std::string path;
  std::size_t line = 0;  // of the file as written, from 1
  Severity severity = Severity::kError;
  std::string message;
};

std::string_view SeverityName(CheckFinding::Severity severity);

// Every finding, the files in the order they are read (the top script
// first, EXEC targets as they are met), each file's by line. A top script that can't be opened gives
// one error on line 0.
std::vector<CheckFinding> CheckDictionary(const std::string& path);

// What is wrong with a condition as the evaluator would read it, or an
// empty text when nothing is.
std::string ExpressionProblem(std::string_view condition);

}  // namespace rcv
