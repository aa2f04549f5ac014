// New files under names nobody else holds.
#pragma once

#include <string>

#include "platform/platform.h"

// Creates a new file, exclusively, at front + a random token + back, trying
// fresh tokens while the name is taken. Sets path to the name used. Returns
// nullptr when no such file can be created (a missing folder, say).
platform::File* CreateUniqueFile(const std::string& front,
                                 const std::string& back, std::string& path);
