// Runs a piece of a test as an unprivileged user. The tests run as root
// here, and root reads and writes whatever the file modes say; a child
// process that has given up root meets the modes as a user would.
#pragma once

#include <functional>

// Runs body in a child process as user and group "nobody" and returns what
// it returned (0 to 255), or -1 when the child could not give up root or
// died. Call it while the process has only one thread.
int RunAsNobody(const std::function<int()>& body);
