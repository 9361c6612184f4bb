#pragma once
// Readable names for the rows of parameterised tests, so that a failure names its case
// ("Examples/ParserRejects.ShowsMessageAndReturnsPosition/1_x_Closing_parenthesis_expected"),
// not its bytes. A name is the row's index and a text that describes the row, where every character
// that GoogleTest does not take in a name becomes '_'.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace test_rows {

inline std::string NameFromText(const std::string& text) {
  std::string name;
  for (unsigned char c : text) {
    if (std::isalnum(c)) name += static_cast<char>(c);
    else if (!name.empty() && name.back() != '_') name += '_';
    if (name.size() >= 60) break;
  }
  while (!name.empty() && name.back() == '_') name.pop_back();
  return name.empty() ? "row" : name;
}

// A name generator for INSTANTIATE_TEST_SUITE_P: `describe` turns a row into its text. GoogleTest
// builds the generator anew for every name it asks, so it cannot remember the names it gave: the
// row's index leads the name and keeps rows that read alike apart ("3_x_2").
template <class Describe> auto Named(Describe describe) {
  return [describe](const auto& info) {
    return std::to_string(info.index) + "_" + NameFromText(describe(info.param));
  };
}

} // namespace test_rows
