#pragma once

namespace ravemo {

// The sweep's "yield to pending window events". The sweep, the synthesiser frame load, the
// converter read and the return-loss/phase drawing call yield() exactly where the instrument
// protocol allows other handlers to run; everything else is single-threaded.
//
// To add a pump: derive, implement yield(). Tests use a scripted pump that counts the yields
// and runs an action at a chosen one; the program uses a throttled Qt pump.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void yield() = 0;
};

// A pump for headless runs where no window events exist.
class NullEventPump final : public EventPump {
  public:
    void yield() override {}
};

}  // namespace ravemo
