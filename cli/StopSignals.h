#pragma once

#include <QObject>

class QSocketNotifier;

namespace ravemo {

// SIGINT (Ctrl+C) and SIGTERM, turned into a Qt signal: the handler only writes a byte to a
// pipe, whose reading end the event loop watches, so that all the stopping work runs as
// ordinary code. One instance at a time; the previous handlers come back when it goes.
class StopSignals final : public QObject {
    Q_OBJECT
  public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // False when the pipe or the handlers could not be set up (the run then cannot stop
    // cleanly, and should not start).
    bool armed() const { return notifier_ != nullptr; }

  Q_SIGNALS:
    void stopRequested();

  private:
    void onReadable();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace ravemo
