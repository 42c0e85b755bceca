#pragma once

#include <optional>

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "ui/chart/Twips.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace ravemo {

// A control's place in its container, in twips as the window was designed.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Point sizes of the window's fonts: the ordinary small sans face and its larger variant.
inline constexpr double kSmallFontPt = 8.25;
inline constexpr double kLargeFontPt = 9.75;

// Creates the window's controls at fixed twips positions (no layouts), scaled to pixels for the
// screen's logical DPI, each under its design name as objectName.
class ControlFactory {
  public:
    explicit ControlFactory(TwipsScale scale) : scale_(scale) {}

    QRect pixels(TwipsRect r) const;
    const TwipsScale& scale() const { return scale_; }

    // A caption; wraps at word boundaries within its width, like the design's labels.
    QLabel* label(QWidget* parent, const char* name, const QString& caption, TwipsRect r,
                  std::optional<QColor> textColour = std::nullopt,
                  double pointSize = kSmallFontPt) const;
    // An editable text box.
    QLineEdit* textBox(QWidget* parent, const char* name, const QString& text, TwipsRect r) const;
    // A box the program fills: read-only, grey, never focused; design text is its own name.
    QLineEdit* readout(QWidget* parent, const char* name, TwipsRect r) const;
    QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, TwipsRect r,
                        bool ticked) const;
    // A captionless button whose background shows a colour.
    QPushButton* colourButton(QWidget* parent, const char* name, TwipsRect r,
                              const QColor& background) const;
    // A button with a 32 x 32 picture above its caption.
    QToolButton* pictureButton(QWidget* parent, const char* name, const QString& caption,
                               const QString& iconPath, TwipsRect r) const;
    QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, TwipsRect r) const;

  private:
    TwipsScale scale_;
};

// Text colour of a label (or any widget that paints its text with WindowText).
void SetTextColour(QWidget* widget, const QColor& colour);
// Background of a colour button.
void SetButtonColour(QPushButton* button, const QColor& colour);
// The font of the window's controls at the given size.
QFont WindowFont(double pointSize);

}  // namespace ravemo
