#include "platform/Errors.h"

#include <exception>
#include <iostream>

std::string CurrentExceptionText() {
  try {
    throw;
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "an unknown failure";
  }
}

void ReportSkippedStep(std::string_view step, std::string_view what) {
  std::cerr << "Corvalin: " << step << " failed: " << what << std::endl;
}
