// k27093_peak_memory REPORT PROGRAM [ARGUMENTS...]: runs PROGRAM as a child and writes the
// child's peak resident memory in KiB to the file REPORT; exits with the child's status (128 +
// the signal when it was killed). The benchmarks start commands through it because a process
// that a big process starts directly inherits that process's peak: posix_spawn shares the
// parent's memory until the exec, and the system keeps the larger peak across the exec. This
// small program forks instead, so the child starts from its few pages.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s REPORT PROGRAM [ARGUMENTS...]\n", argv[0]);
    return 64;
  }
  const pid_t child = fork();
  if (child < 0) return 71;
  if (child == 0) {
    execv(argv[2], argv + 2);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  while (wait4(child, &status, 0, &usage) < 0) {
    if (errno != EINTR) return 71;
  }
  std::FILE* report = std::fopen(argv[1], "w");
  if (report == nullptr) return 73;
  std::fprintf(report, "%ld\n", usage.ru_maxrss);
  std::fclose(report);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
