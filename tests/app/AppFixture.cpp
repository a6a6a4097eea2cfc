#include "AppFixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "app/SkinInstaller.h"
#include "app/StartUp.h"
#include "platform/inet/CurlInternetService.h"

namespace cinevora::testing {

AppFixture::AppFixture() {
  server_.Get("/qatrelux.txt", [this](const httplib::Request&, httplib::Response& response) {
    response.set_content(updateBody_, "text/plain");
  });
  updateBase_ = server_.Url("");
  inet_ = MakeCurlInternetService();
  toolkit_ = std::make_unique<HeadlessToolkit>(*inet_);
  drive_ = std::make_unique<Drive>(scratch_.File("drive_c"));
  skin_ = std::make_unique<SkinLibrary>(*toolkit_, SkinLibrarySearchFolders(*drive_));
}

AppFixture::~AppFixture() {
  // Category runs may still be on their way; they must not outlive the program they use.
  toolkit_->WaitForThreads(std::chrono::seconds(30));
  if (refusingSocket_ >= 0) ::close(refusingSocket_);
}

void AppFixture::MakeUpdateServerUnreachable() {
  // A port that is bound but not listening refuses every connection, and stays ours (no other
  // test's server can take it) until the fixture ends.
  refusingSocket_ = ::socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(refusingSocket_, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::bind(refusingSocket_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  socklen_t length = sizeof address;
  ASSERT_EQ(::getsockname(refusingSocket_, reinterpret_cast<sockaddr*>(&address), &length), 0);
  updateBase_ = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
}

bool AppFixture::Start() {
  SiteAddresses addresses = ConfiguredSiteAddresses();
  addresses.updateBase = updateBase_;
  addresses.siteBase = server_.Url("");
  addresses.pictureBase = server_.Url("");
  program_.reset(new Program{
      .toolkit = *toolkit_, .inet = *inet_, .skin = *skin_, .drive = *drive_, .addresses = addresses});
  return StartUp(*program_);
}

std::string AppFixture::SkinLibraryFile() const { return drive_->Map(SKIN_LIBRARY_PATH); }
std::string AppFixture::SkinFileFile() const { return drive_->Map(SKIN_FILE_PATH); }

SkinState AppFixture::Skin() const { return ReadSkinState(SkinLibraryFile()); }

std::size_t AppFixture::UpdateRequests() const {
  std::size_t count = 0;
  for (const std::string& request : server_.Requests().All()) {
    if (request.starts_with("GET /qatrelux.txt ")) ++count;
  }
  return count;
}

}  // namespace cinevora::testing
