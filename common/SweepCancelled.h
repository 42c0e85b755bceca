#pragma once

#include <exception>

namespace ravemo {

// Thrown by an event pump's yield() once the program is closing. The sweep tick catches it and
// ends at once: no further port access, no redraw. It never leaves the sweep layer; code that
// calls yield() outside a sweep tick (none today) would have to catch it too.
class SweepCancelled final : public std::exception {
  public:
    const char* what() const noexcept override { return "sweep cancelled: the program is closing"; }
};

}  // namespace ravemo
