// The demo site as a service: its options, its start-up failures, and the program that runs it.

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "DemoSite.h"
#include "SiteClient.h"

extern char** environ;

namespace cinevora::demo {
namespace {

using testing::SiteClient;
using Clock = std::chrono::steady_clock;

DemoSiteOptions EphemeralOptions() {
  DemoSiteOptions options;
  options.port = 0;
  options.addresses = {};
  return options;
}

TEST(DemoSiteService, UpdateAnswerIsTheWholeBody) {
  struct Case {
    const char* answer;
    bool set;
  };
  for (const Case& c : {Case{"1", false}, Case{"1\r\n", true}, Case{"2", true}, Case{"", true}}) {
    DemoSiteOptions options = EphemeralOptions();
    if (c.set) options.updateAnswer = c.answer;
    DemoSite site(options);
    ASSERT_TRUE(site.Start()) << site.error();
    const auto f = SiteClient(site.port()).Get("/qatrelux.txt");
    EXPECT_EQ(f.status, 200);
    EXPECT_EQ(f.body, c.answer);
  }
}

TEST(DemoSiteService, ListingPagesWaitForTheDelayAndStopCutsTheWaitShort) {
  DemoSiteOptions options = EphemeralOptions();
  options.delayMs = 300;
  DemoSite site(options);
  ASSERT_TRUE(site.Start()) << site.error();
  const auto start = Clock::now();
  EXPECT_EQ(SiteClient(site.port()).Get("/bd/index_3.htm").status, 200);
  EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(300));

  // A request caught in a long delay must not hold up Stop() for the whole delay.
  DemoSiteOptions slow = EphemeralOptions();
  slow.delayMs = 60000;
  DemoSite slowSite(slow);
  ASSERT_TRUE(slowSite.Start()) << slowSite.error();
  std::thread client([port = slowSite.port()] { SiteClient(port).Get("/3d/"); });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  const auto stopStart = Clock::now();
  slowSite.Stop();
  EXPECT_LT(Clock::now() - stopStart, std::chrono::seconds(20));
  client.join();
}

TEST(DemoSiteService, StartFailsWithAReason) {
  DemoSite first(EphemeralOptions());
  ASSERT_TRUE(first.Start()) << first.error();

  DemoSiteOptions taken = EphemeralOptions();
  taken.port = first.port();
  DemoSiteOptions noPictures = EphemeralOptions();
  noPictures.pictureFolder = "/nonexistent/cinevora-pictures";
  for (const DemoSiteOptions& options : {taken, noPictures}) {
    DemoSite site(options);
    EXPECT_FALSE(site.Start());
    EXPECT_FALSE(site.error().empty());
  }
}

// Runs the program with `args`; its standard output comes back through `out`.
pid_t Spawn(std::vector<std::string> args, FILE** out) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  args.insert(args.begin(), DEMO_SITE_PROGRAM);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, DEMO_SITE_PROGRAM, &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  *out = fdopen(pipeFds[0], "r");
  return pid;
}

int ExitCode(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(DemoSiteProgram, ServesUntilSigtermAndExitsCleanly) {
  for (int stopSignal : {SIGTERM, SIGINT}) {
    FILE* out = nullptr;
    const pid_t pid = Spawn({"--port", "0", "--update-answer", "7", "--delay-ms", "0"}, &out);
    ASSERT_GT(pid, 0);
    char line[256] = {};
    ASSERT_NE(std::fgets(line, sizeof line, out), nullptr);
    int port = 0;
    ASSERT_EQ(std::sscanf(line, "cinevora-demo-site: serving http://127.0.0.1:%d/", &port), 1) << line;
    EXPECT_EQ(SiteClient(port).Get("/qatrelux.txt").body, "7");
    kill(pid, stopSignal);
    EXPECT_EQ(ExitCode(pid), 0);
    std::fclose(out);
  }
}

TEST(DemoSiteProgram, RejectsABadCommandLine) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--port", "70000"}, {"--delay-ms", "soon"}, {"--colour", "red"},
        {"--port"}}) {
    FILE* out = nullptr;
    const pid_t pid = Spawn(args, &out);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(ExitCode(pid), 2) << args[0];
    std::fclose(out);
  }
}

}  // namespace
}  // namespace cinevora::demo
