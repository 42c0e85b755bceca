#pragma once

#include <QTcpServer>

namespace ravemo {

// A listening socket that keeps at most `most` connections open at once and closes any more as
// they arrive. Qt 6.4's HTTP server sets no such bound: without one, anybody on the network could
// use up the program's file descriptors with idle connections.
class CappedTcpServer final : public QTcpServer {
    Q_OBJECT
  public:
    explicit CappedTcpServer(int most, QObject* parent = nullptr);

    int openConnections() const { return open_; }

  protected:
    void incomingConnection(qintptr descriptor) override;

  private:
    int most_;
    int open_ = 0;
};

}  // namespace ravemo
