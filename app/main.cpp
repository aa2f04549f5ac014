// The process entry of every build of the checker.
#include "app/program_run.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  platform::StartProcess(argc, argv);
  RunProgram();
  return 0;
}
