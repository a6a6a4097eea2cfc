#pragma once
// What the shared behaviour table needs besides the Toolkit interface: the user's side (answering
// boxes, closing windows, waiting while the UI thread keeps working) for one implementation.
// The test thread is the user-interface thread.

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/toolkit/Toolkit.h"

namespace cinevora::test {

using namespace std::chrono_literals;

class ToolkitDriver {
 public:
  virtual ~ToolkitDriver() = default;
  virtual Toolkit& toolkit() = 0;

  // Keeps the UI thread working (processing events where there are any) until `done` holds;
  // false on timeout.
  virtual bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 5s) = 0;

  // The user will answer the next box that the UI thread shows with `answer` (the UI thread is
  // inside MessageBox while that happens).
  virtual void AnswerNextUiBox(int answer) = 0;
  // Boxes shown from other threads wait until the user answers them with AnswerWaitingBox.
  virtual void HoldWorkerBoxes() = 0;
  // Answers the box a worker is waiting on; false when none appears within the timeout.
  virtual bool AnswerWaitingBox(int answer) = 0;

  // True when the timer's handler runs within a few of its periods (a stopped timer never does).
  virtual bool TimerFires(const std::string& window, const std::string& timer) = 0;
  // Changes whenever the timer is started or restarted.
  virtual long TimerStartToken(const std::string& window, const std::string& timer) = 0;

  // Draws the window once (a picture that is not one must not crash the drawing).
  virtual void Draw(const std::string& window) = 0;
  // How many windows of that name exist.
  virtual int WindowCount(const std::string& window) = 0;
  // The user closes the window; false when it is not loaded.
  virtual bool CloseWindow(const std::string& window) = 0;
  // The user closes the windows one after the other while the message loop runs; returns the
  // loop's result.
  virtual int RunLoopWhileUserCloses(const std::vector<std::string>& windows) = 0;
};

// Each test binary provides its implementation.
std::unique_ptr<ToolkitDriver> MakeToolkitDriver();

}  // namespace cinevora::test
