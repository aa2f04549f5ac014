#include "tests/hardening/other_user.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr uid_t kNobody = 65534;
constexpr int kCouldNotDropRoot = 255;
}  // namespace

int RunAsNobody(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child < 0) {
    return -1;
  }
  if (child == 0) {
    // _exit: the child must not run the parent's exit handlers or report.
    // A test that is not run as root is already a user.
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 ||
                           setuid(kNobody) != 0)) {
      _exit(kCouldNotDropRoot);
    }
    _exit(body());
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) == kCouldNotDropRoot) {
    return -1;
  }
  return WEXITSTATUS(status);
}
