#pragma once
#include <string>
// The one Qt application that window tests need; created on first use.
namespace testsupport {
void EnsureQApplication();
// Where tests write the pictures of windows, for a person to look at.
std::string PicturePath(const std::string& name);
}  // namespace testsupport
