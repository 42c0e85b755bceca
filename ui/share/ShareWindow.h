#pragma once

#include <cstdint>

#include <QDialog>

#include "watch/PageCommand.h"
#include "watch/WatchServer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace ravemo {

class Measurement;
class TuningWindow;

// "Share to phone": serves the tuning window's latest analysis as a live page to phones on the
// local network. Off until the user presses Start; the address (a private address of this
// computer, or this computer only) and the port (0: any free one) are the user's to choose.
// Shows the page's address with its token as text and as a QR code, and how many phones watch.
// Closing the window stops sharing: no port stays open out of sight.
//
// The page may ask to sweep around the dip or to sweep a band only while "Let the page sweep"
// is ticked (off at every start), and never while the readings shown were opened from a file.
class ShareWindow final : public QDialog {
    Q_OBJECT
  public:
    ShareWindow(TuningWindow& tuning, Measurement& measurement);
    ~ShareWindow() override;

    // The tuning window's share window (made on first use), shown and raised.
    static ShareWindow& showFor(TuningWindow& tuning, Measurement& measurement);

    void start();
    void stop();
    const WatchServer& server() const { return server_; }
    QCheckBox& commandsBox() const { return *commands_; }
    QComboBox& addressBox() const { return *address_; }
    QLabel& statusLine() const { return *status_; }
    QLabel& qrLabel() const { return *qr_; }
    // Sends the latest sweep now (as after each sweep while sharing).
    void publishLatest();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void nameControls();
    void showState(const QString& problem = {});
    void runCommand(const PageCommand& command);

    TuningWindow& tuning_;
    Measurement& measurement_;
    WatchServer server_;
    std::uint64_t sweeps_ = 0;
    QComboBox* address_;
    QSpinBox* port_;
    QCheckBox* commands_;
    QPushButton* startStop_;
    QLabel* url_;
    QLabel* qr_;
    QLabel* status_;
};

}  // namespace ravemo
