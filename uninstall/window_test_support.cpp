// Test support for the uninstaller's windows: a private Xvfb display for the
// test process, child processes with a time limit, and xdotool.
#include "window_test_support.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtk/gtk.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

pid_t xvfbPid = -1;

// Xvfb writes its display number to this descriptor once it accepts clients.
std::string ReadDisplayNumber(int fd, int timeoutMs) {
  std::string number;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd waiting{fd, POLLIN, 0};
    if (poll(&waiting, 1, 100) <= 0) continue;
    char c;
    if (read(fd, &c, 1) != 1) break;
    if (c == '\n') return number;
    number.push_back(c);
  }
  return "";
}

void StopXvfb() {
  if (xvfbPid <= 0) return;
  kill(xvfbPid, SIGTERM);
  if (WaitForProgram(xvfbPid, 5000) == -1) kill(xvfbPid, SIGKILL);
  xvfbPid = -1;
}

std::string StartXvfb() {
  int fds[2];
  if (pipe(fds) != 0) return "no pipe for Xvfb";
  std::string fd = std::to_string(fds[1]);
  pid_t pid = fork();
  if (pid < 0) return "cannot fork Xvfb";
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlive a test killed on timeout
    close(fds[0]);
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "800x600x24",
           "-nolisten", "tcp", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  std::string number = ReadDisplayNumber(fds[0], 10000);
  close(fds[0]);
  xvfbPid = pid;
  if (number.empty()) {
    StopXvfb();
    return "Xvfb did not start (is the xvfb package installed?)";
  }
  setenv("DISPLAY", (":" + number).c_str(), 1);
  return "";
}

}  // namespace

std::string OpenTestDisplay() {
  static std::string failure = [] {
    std::string why = StartXvfb();
    if (!why.empty()) return why;
    std::atexit(StopXvfb);
    // A fixed locale keeps GTK's stock button labels (and their mnemonics)
    // the same on every machine; the accessibility bus is not wanted here.
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("NO_AT_BRIDGE", "1", 1);
    if (!gtk_init_check(nullptr, nullptr)) return std::string("GTK cannot open the Xvfb display");
    return std::string();
  }();
  return failure;
}

pid_t StartProgram(const std::string& program, const std::string& dir) {
  pid_t pid = fork();
  if (pid != 0) return pid;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (chdir(dir.c_str()) != 0) _exit(126);
  execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
  _exit(127);
}

int WaitForProgram(pid_t pid, int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string RunXdotool(const std::string& arguments) {
  std::string command = "timeout 10 xdotool " + arguments + " 2>/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return "";
  std::string output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  pclose(pipe);
  return output;
}

std::string FindWindow(const std::string& title) {
  std::string found = RunXdotool("search --sync --onlyvisible --name '^" + title + "$'");
  return found.substr(0, found.find('\n'));
}

void PressKeys(const std::string& window, const std::string& keys) {
  RunXdotool("windowfocus --sync " + window);
  RunXdotool("key " + keys);
}
