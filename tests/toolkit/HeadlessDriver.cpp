// The shared behaviour table against HeadlessToolkit: the test thread plays the UI thread and the
// user's answers come from the toolkit's message-box script.

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "NoNetwork.h"
#include "ToolkitDriver.h"
#include "platform/toolkit/HeadlessToolkit.h"

namespace cinevora::test {
namespace {

// Worker boxes park here until the test answers them.
struct AnswerGate {
  std::mutex mutex;
  std::condition_variable changed;
  int waiting = 0;
  std::deque<int> answers;

  int Wait() {
    std::unique_lock lock(mutex);
    ++waiting;
    changed.notify_all();
    changed.wait(lock, [&] { return !answers.empty(); });
    const int answer = answers.front();
    answers.pop_front();
    --waiting;
    return answer;
  }
  bool Answer(int answer, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex);
    if (!changed.wait_for(lock, timeout, [&] { return waiting > static_cast<int>(answers.size()); })) return false;
    answers.push_back(answer);
    changed.notify_all();
    return true;
  }
};

class HeadlessDriver final : public ToolkitDriver {
 public:
  Toolkit& toolkit() override { return tk_; }

  bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) override {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(1ms);
    }
    return true;
  }

  void AnswerNextUiBox(int answer) override { tk_.QueueMessageBoxAnswers({answer}); }
  void HoldWorkerBoxes() override {
    tk_.SetMessageBoxHandler([gate = gate_](const Text&, int) { return gate->Wait(); });
  }
  bool AnswerWaitingBox(int answer) override { return gate_->Answer(answer, 5s); }

  bool TimerFires(const std::string& window, const std::string& timer) override { return tk_.Tick(window, timer); }
  long TimerStartToken(const std::string& window, const std::string& timer) override {
    return tk_.TimerStarts(window, timer);
  }

  void Draw(const std::string&) override {}
  int WindowCount(const std::string& window) override { return tk_.IsWindowLoaded(window) ? 1 : 0; }
  bool CloseWindow(const std::string& window) override { return tk_.CloseWindow(window); }
  int RunLoopWhileUserCloses(const std::vector<std::string>& windows) override {
    for (const auto& w : windows) {
      if (tk_.MessageLoopResult()) return -1;  // ended too early
      tk_.CloseWindow(w);
    }
    return tk_.MessageLoopResult().value_or(-1);
  }

 private:
  NoNetwork inet_;
  HeadlessToolkit tk_{inet_};
  std::shared_ptr<AnswerGate> gate_ = std::make_shared<AnswerGate>();
};

}  // namespace

std::unique_ptr<ToolkitDriver> MakeToolkitDriver() { return std::make_unique<HeadlessDriver>(); }

}  // namespace cinevora::test
