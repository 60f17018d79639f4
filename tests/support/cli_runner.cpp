#include "support/cli_runner.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace orvane::test {
namespace {

// An unlinked temporary file: each run gets its own, so tests may run in parallel.
int AnonymousFile() {
  char name[] = "/tmp/orvane-cli-XXXXXX";
  const int fd = mkstemp(name);
  if (fd >= 0) unlink(name);
  return fd;
}

std::string ReadAll(int fd) {
  std::string text;
  lseek(fd, 0, SEEK_SET);
  char buffer[4096];
  for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
  close(fd);
  return text;
}

}  // namespace

std::vector<std::string> CliRun::Lines() const {
  std::vector<std::string> lines;
  std::istringstream text(out);
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

CliRun RunCli(const std::filesystem::path& cli, const std::filesystem::path& home,
              const std::vector<std::string>& arguments) {
  std::vector<std::string> argv{cli.string(), "--home", home.string()};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  const int outFd = AnonymousFile(), errFd = AnonymousFile();
  CliRun run;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    std::vector<char*> args;
    for (auto& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  if (pid > 0) waitpid(pid, &status, 0);
  run.exitCode = pid > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadAll(outFd);
  run.err = ReadAll(errFd);
  return run;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

}  // namespace orvane::test
