// Opening a file as the shell would: a program runs itself, anything else goes to the
// desktop's opener (xdg-open). The start is detached (new session, double fork): nothing
// is waited for and no zombie is left. Only whether the start itself succeeded is known,
// reported through a close-on-exec pipe: the exec that succeeds closes it silently, the
// exec that fails writes its errno into it first.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/platform.hpp"
#include "platform/posix/native_path.hpp"

namespace platform {
namespace {

// The values the shell answers with: more than 32 is success.
constexpr std::int32_t kStarted = 33;
constexpr std::int32_t kOutOfResources = 0;
constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kPathNotFound = 3;
constexpr std::int32_t kAccessDenied = 5;
constexpr std::int32_t kOutOfMemory = 8;
constexpr std::int32_t kBadFormat = 11;
constexpr std::int32_t kSharingViolation = 26;
constexpr std::int32_t kNoAssociation = 31;

std::int32_t ShellValueOf(int error) {
  switch (error) {
  case ENOENT:
  case ENAMETOOLONG:
  case ELOOP: return kFileNotFound;
  case ENOTDIR: return kPathNotFound;
  case EACCES:
  case EPERM: return kAccessDenied;
  case ENOMEM: return kOutOfMemory;
  case ENOEXEC: return kBadFormat;
  case ETXTBSY: return kSharingViolation;
  default: return kOutOfResources;
  }
}

[[noreturn]] void ReportAndVanish(int report, int error) {
  [[maybe_unused]] const ssize_t ignored = write(report, &error, sizeof error);
  _exit(127);
}

// A launched program talks to the terminal, never into the expander's own redirection:
// a stream that is not a terminal is replaced by /dev/null. Leaving a pipe open in the
// program would also hold up whoever reads the expander's output.
void DetachStandardStreams() {
  const int nowhere = open("/dev/null", O_RDWR);
  if (nowhere == -1) return;
  for (int stream = 0; stream <= 2; ++stream)
    if (isatty(stream) != 1) dup2(nowhere, stream);
  if (nowhere > 2) close(nowhere);
}

// 0 when the program is running, otherwise the errno that stopped its start.
int StartDetached(char* const argv[], bool search_path) {
  int report[2];
  if (pipe2(report, O_CLOEXEC) == -1) return errno;
  const pid_t middle = fork();
  if (middle == -1) {
    const int error = errno;
    close(report[0]);
    close(report[1]);
    return error;
  }
  if (middle == 0) {
    close(report[0]);
    setsid();
    const pid_t child = fork();
    if (child == -1) ReportAndVanish(report[1], errno);
    if (child == 0) {
      signal(SIGPIPE, SIG_DFL); // ignored in the expander; an ignored signal survives exec
      DetachStandardStreams();
      if (search_path) execvp(argv[0], argv);
      else execv(argv[0], argv);
      ReportAndVanish(report[1], errno);
    }
    _exit(0); // the program is now init's child, never the expander's
  }
  close(report[1]);
  int status;
  while (waitpid(middle, &status, 0) == -1 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got;
  do got = read(report[0], &error, sizeof error);
  while (got == -1 && errno == EINTR);
  close(report[0]);
  return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

} // namespace

std::int32_t ShellOpen(const char* file) {
  const posix::NativePath native(file);
  if (native.Error() != 0 || native.c_str()[0] == 0) return kFileNotFound;
  struct stat status;
  if (stat(native.c_str(), &status) == -1) return ShellValueOf(errno);

  // execv takes a bare name from the current directory, never from PATH.
  char* path = const_cast<char*>(native.c_str());
  if (S_ISREG(status.st_mode) && access(path, X_OK) == 0) {
    char* const argv[] = {path, nullptr};
    const int error = StartDetached(argv, false);
    return error == 0 ? kStarted : ShellValueOf(error);
  }
  if (access(path, R_OK) == -1) return ShellValueOf(errno);

  // "./" keeps a relative name that starts with '-' from being read as an option.
  char argument[posix::kLongestPath + 3] = "./";
  std::strcpy(path[0] == '/' ? argument : argument + 2, path);
  char opener[] = "xdg-open";
  char* const argv[] = {opener, argument, nullptr};
  return StartDetached(argv, true) == 0 ? kStarted : kNoAssociation;
}

} // namespace platform
