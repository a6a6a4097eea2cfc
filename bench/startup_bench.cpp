// How long Cinevora takes from spawn to MainWindow shown, against a minimal Qt window spawned the
// same way in the same run (goal: at most 1.5 times as long), and the peak memory of both.
// Offscreen platform; the update check goes to the demo site, run in-process on an ephemeral
// port; the skin files go to a scratch drive C.
//
//   startup_bench [runs]     (default 10 runs of each, interleaved, after one warm-up each)

#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "DemoSite.h"

extern char** environ;

namespace {

struct Sample {
  double milliseconds = 0;
  long peakKilobytes = 0;
};

// The probe's environment: ours, with the offscreen platform and the scratch data folder.
std::vector<std::string> ProbeEnvironment(const std::string& dataHome) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string variable = *entry;
    if (!variable.starts_with("QT_QPA_PLATFORM=") && !variable.starts_with("XDG_DATA_HOME=")) {
      environment.push_back(variable);
    }
  }
  environment.push_back("QT_QPA_PLATFORM=offscreen");
  environment.push_back("XDG_DATA_HOME=" + dataHome);
  return environment;
}

// Spawns `program` with `argument` (may be empty), times it until it prints its "shown" line and
// collects its peak memory once it has ended. Exits the benchmark when the probe fails.
Sample RunProbe(const char* program, const std::string& argument,
                const std::vector<std::string>& environment) {
  int fds[2];
  if (::pipe(fds) != 0) std::exit(1);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  std::vector<char*> argv{const_cast<char*>(program)};
  if (!argument.empty()) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (const std::string& variable : environment) envp.push_back(const_cast<char*>(variable.c_str()));
  envp.push_back(nullptr);

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(fds[1]);
  if (spawned != 0) {
    std::fprintf(stderr, "startup_bench: cannot start %s\n", program);
    std::exit(1);
  }

  // Up to 64 bytes and 30 s for the one line; a probe that says nothing has failed.
  char line[64] = {};
  std::size_t got = 0;
  pollfd ready{fds[0], POLLIN, 0};
  while (got < sizeof line - 1 && std::string_view(line, got).find('\n') == std::string_view::npos &&
         ::poll(&ready, 1, 30000) == 1) {
    const ssize_t n = ::read(fds[0], line + got, sizeof line - 1 - got);
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  const auto shown = std::chrono::steady_clock::now();
  ::close(fds[0]);

  int status = 0;
  rusage usage{};
  if (std::string_view(line, got) != "shown\n") ::kill(pid, SIGKILL);
  ::wait4(pid, &status, 0, &usage);
  if (std::string_view(line, got) != "shown\n" || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "startup_bench: %s did not show its window\n", program);
    std::exit(1);
  }
  return {std::chrono::duration<double, std::milli>(shown - start).count(), usage.ru_maxrss};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

long Peak(const std::vector<Sample>& samples) {
  long peak = 0;
  for (const Sample& sample : samples) peak = std::max(peak, sample.peakKilobytes);
  return peak;
}

std::vector<double> Times(const std::vector<Sample>& samples) {
  std::vector<double> times;
  for (const Sample& sample : samples) times.push_back(sample.milliseconds);
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

  cinevora::demo::DemoSiteOptions options;
  options.port = 0;
  options.addresses = {};
  cinevora::demo::DemoSite site(options);
  if (!site.Start()) {
    std::fprintf(stderr, "startup_bench: demo site: %s\n", site.error().c_str());
    return 1;
  }
  const std::string updateBase = site.addresses().updateBase;

  char scratch[] = "/tmp/cinevora-startup-XXXXXX";
  if (::mkdtemp(scratch) == nullptr) return 1;
  const std::vector<std::string> environment = ProbeEnvironment(scratch);

  // One warm-up of each fills the page cache and writes the skin files once.
  RunProbe(MINIMAL_WINDOW_PROBE, "", environment);
  RunProbe(STARTUP_PROBE, updateBase, environment);
  std::vector<Sample> minimal;
  std::vector<Sample> program;
  for (int i = 0; i < runs; ++i) {
    minimal.push_back(RunProbe(MINIMAL_WINDOW_PROBE, "", environment));
    program.push_back(RunProbe(STARTUP_PROBE, updateBase, environment));
  }
  std::filesystem::remove_all(scratch);

  const double minimalMs = Median(Times(minimal));
  const double programMs = Median(Times(program));
  std::printf("spawn to window shown, offscreen, median of %d:\n", runs);
  std::printf("  minimal Qt window  %7.1f ms   peak RSS %6.1f MB\n", minimalMs,
              Peak(minimal) / 1024.0);
  std::printf("  Cinevora           %7.1f ms   peak RSS %6.1f MB\n", programMs,
              Peak(program) / 1024.0);
  std::printf("  ratio              %7.2f      (goal <= 1.50)\n", programMs / minimalMs);
  return 0;
}
