#pragma once
// Compares a rendered picture with a reference picture kept beside the tests, within a tolerance:
// pixels whose red, green or blue differ by more than `channel` count as different, and at most
// `share` of all pixels may differ. On a mismatch, or when the reference is missing, the actual
// picture is saved as <name>.actual.png in the working directory and the message names both
// files so that a person can look at them. With CORVALIN_WRITE_REFERENCES=1 in the environment a
// missing or mismatching reference is written from the actual picture instead (for a person to
// check before committing it).

#include <gtest/gtest.h>

#include <QImage>

#include <string>

// `reference`: the path below the tests folder, for example "render/surfaces/reference/x.png".
testing::AssertionResult MatchesReference(const QImage& actual, const std::string& reference,
                                          int channel = 12, double share = 0.01);
