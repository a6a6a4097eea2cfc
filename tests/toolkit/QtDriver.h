#pragma once
// The shared behaviour table against QtToolkit under the offscreen platform: real widgets, real
// threads; the test thread is the UI thread and processes events while it waits.

#include <QTimer>

#include "NoNetwork.h"
#include "ToolkitDriver.h"
#include "platform/toolkit/QtToolkit.h"

namespace cinevora::test {

class QtDriver final : public ToolkitDriver {
 public:
  QtDriver();
  Toolkit& toolkit() override { return tk_; }
  QtToolkit& qt() { return tk_; }

  bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 5s) override;
  void AnswerNextUiBox(int answer) override;
  void HoldWorkerBoxes() override {}  // a worker's box waits for the user anyway
  bool AnswerWaitingBox(int answer) override;
  bool TimerFires(const std::string& window, const std::string& timer) override;
  long TimerStartToken(const std::string& window, const std::string& timer) override {
    return tk_.TimerStarts(window, timer);
  }
  void Draw(const std::string& window) override;
  int WindowCount(const std::string& window) override;
  bool CloseWindow(const std::string& window) override { return tk_.CloseWindow(window); }
  int RunLoopWhileUserCloses(const std::vector<std::string>& windows) override;

 private:
  NoNetwork inet_;
  QtToolkit tk_;
  QTimer answerer_;  // presses the pending answer once a box shows
  int pendingAnswer_ = -1;
};

}  // namespace cinevora::test
