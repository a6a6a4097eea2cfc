#pragma once
// A whole program on the headless toolkit: a scratch drive C, a loopback update server whose
// answer each test sets, the real skin library written out by the start-up, and the real HTTP
// service.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Program.h"
#include "platform/drive/Drive.h"
#include "platform/inet/InternetService.h"
#include "platform/skin/SkinLibrary.h"
#include "platform/toolkit/HeadlessToolkit.h"
#include "tests/skin/SkinTestSupport.h"
#include "tests/support/LoopbackServer.h"

namespace cinevora::testing {
using skintest::ReadSkinState;
using skintest::ScratchFolder;
using skintest::SkinState;
using skintest::WriteBytes;

class AppFixture : public ::testing::Test {
 protected:
  AppFixture();
  ~AppFixture() override;

  // What the update server answers for "/qatrelux.txt" (bytes, NULs allowed).
  void SetUpdateBody(std::string body) { updateBody_ = std::move(body); }
  // Points the update check at a port where nothing listens.
  void MakeUpdateServerUnreachable();

  // Builds the program and runs the start-up sequence; returns its result (true: MainWindow is up
  // and the loop would run).
  bool Start();

  // The native paths the two skin files are written to.
  std::string SkinLibraryFile() const;
  std::string SkinFileFile() const;
  // The state of the skin library the start-up loaded.
  SkinState Skin() const;
  // Requests for the update file that reached the server.
  std::size_t UpdateRequests() const;

  ScratchFolder scratch_;
  LoopbackServer server_;
  std::unique_ptr<InternetService> inet_;
  std::unique_ptr<HeadlessToolkit> toolkit_;
  std::unique_ptr<Drive> drive_;
  std::unique_ptr<SkinLibrary> skin_;
  std::unique_ptr<Program> program_;

 private:
  std::string updateBody_ = "1";
  std::string updateBase_;
  int refusingSocket_ = -1;
};

}  // namespace cinevora::testing
