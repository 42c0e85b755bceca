#pragma once

#include <optional>

#include <QToolBar>

#include "common/LineTransform.h"

class QComboBox;
class QLineEdit;

namespace ravemo {

// The feedline between the analyser and the antenna, and where the tuning window's figures
// stand: "At the analyser" (as measured) or "At the antenna" (seen through that feedline). A
// feedline text that names no line is marked, its tool tip says why, and the figures stay at
// the analyser.
class FeedlineBar final : public QToolBar {
    Q_OBJECT
  public:
    explicit FeedlineBar(QWidget* parent = nullptr);

    // Shows a remembered feedline and plane without signalling.
    void showChoices(const QString& feedline, bool atAntenna);

    QString feedlineText() const;
    bool antennaChosen() const;
    // The feedline the figures are moved through: a valid feedline with "At the antenna".
    std::optional<Feedline> lineToAntenna() const;

    QLineEdit& feedlineBox() const { return *feedline_; }
    QComboBox& planeBox() const { return *plane_; }

  Q_SIGNALS:
    void changed();

  private:
    void mark();

    QLineEdit* feedline_;
    QComboBox* plane_;
};

}  // namespace ravemo
