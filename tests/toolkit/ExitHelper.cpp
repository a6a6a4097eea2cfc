// A small program for the exit test: it blocks one worker in a download from a server that never
// answers and another in a message box, prints "workers blocked" (left in stdout's buffer on
// purpose), lets the user close its only window and ends the way the program does:
// toolkit.EndProgram(toolkit.RunMessageLoop()). Exit code 2 when it could not set the scene up.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QTimer>
#include <cstdio>
#include <string>

#include "platform/codepage/Codepage.h"
#include "platform/inet/CurlInternetService.h"
#include "platform/toolkit/QtToolkit.h"

using namespace cinevora;

int main(int argc, char** argv) {
  auto inet = MakeCurlInternetService();
  QtToolkit toolkit(argc, argv, *inet);

  // A server that takes the connection and then says nothing.
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener, 1) != 0 ||
      ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    return 2;
  }
  const Text url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/qatrelux.txt";

  WindowDefinition window;
  window.name = "MainWindow";
  window.outerWidth = 300;
  window.outerHeight = 200;
  toolkit.LoadWindow(window);

  toolkit.StartThread([&toolkit, url] { toolkit.PlainDownload(url); });
  pollfd incoming{listener, POLLIN, 0};
  if (::poll(&incoming, 1, 5000) != 1 || ::accept(listener, nullptr, nullptr) < 0) return 2;
  toolkit.StartThread([&toolkit] { toolkit.MessageBox(Gbk("双击电影可以查看详情"), MB_STYLE_OK_INFORMATION); });

  QTimer user;
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (toolkit.ShownMessageBox() == nullptr) return;
    user.stop();
    std::printf("workers blocked\n");
    toolkit.CloseWindow("MainWindow");
  });
  user.start(5);
  toolkit.EndProgram(toolkit.RunMessageLoop());
}
