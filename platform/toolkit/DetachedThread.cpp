#include "platform/toolkit/DetachedThread.h"

#include <system_error>
#include <thread>

namespace cinevora {

bool StartDetachedThread(std::function<void()> routine) {
  try {
    std::thread(std::move(routine)).detach();
    return true;
  } catch (const std::system_error&) {
    // std::thread throws this when the thread cannot be created; an uncaught exception here
    // would end the program from inside a button's click.
    return false;
  }
}

}  // namespace cinevora
