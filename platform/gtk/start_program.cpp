// Handing a text to the system: start it as a program, or open it with the
// desktop's default handler. Nothing waits for what is started; GLib's main
// loop reaps each child once it ends.
#include <glib.h>
#include <spawn.h>

#include <string>
#include <vector>

#include "platform/platform.h"

extern char** environ;

namespace platform {
namespace {

// The program part of a command line as Windows reads one: up to the closing
// double quote when it begins with one, else up to the first blank.
std::string ProgramOfCommandLine(const std::string& commandLine) {
  if (!commandLine.empty() && commandLine.front() == '"') {
    std::size_t closing = commandLine.find('"', 1);
    return commandLine.substr(
        1, closing == std::string::npos ? std::string::npos : closing - 1);
  }
  return commandLine.substr(0, commandLine.find(' '));
}

void ForgetChild(GPid child, gint, gpointer) { g_spawn_close_pid(child); }

// Starts the program with the given arguments (the first being its name);
// searchPath looks the name up on PATH as a shell would.
bool Spawn(const std::vector<std::string>& arguments, bool searchPath,
           const std::string* workingDirectory) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (workingDirectory != nullptr) {
    posix_spawn_file_actions_addchdir_np(&actions, workingDirectory->c_str());
  }
  pid_t child = 0;
  int failure = searchPath ? posix_spawnp(&child, argv[0], &actions, nullptr,
                                          argv.data(), environ)
                           : posix_spawn(&child, argv[0], &actions, nullptr,
                                         argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failure != 0) return false;
  g_child_watch_add(child, ForgetChild, nullptr);
  return true;
}

}  // namespace

bool StartProgram(const std::string& commandLine) {
  std::string program = ProgramOfCommandLine(commandLine);
  if (program.empty()) return false;
  return Spawn({program}, false, nullptr);
}

bool OpenWithDefaultHandler(const std::string& text,
                            const std::string* workingDirectory) {
  // A folder named with Windows' separator does not exist here; the address
  // still opens, from the current directory.
  if (workingDirectory != nullptr &&
      !g_file_test(workingDirectory->c_str(), G_FILE_TEST_IS_DIR)) {
    workingDirectory = nullptr;
  }
  return Spawn({"xdg-open", text}, true, workingDirectory) ||
         Spawn({"gio", "open", text}, true, workingDirectory);
}

}  // namespace platform
