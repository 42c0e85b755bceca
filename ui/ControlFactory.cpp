#include "ui/ControlFactory.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace ravemo {
namespace {

constexpr int kPictureSizePx = 32;

template <typename W>
W* place(W* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// Widens a one-line control to its text, keeping its left edge.
void fitWidth(QWidget* widget) {
    const int needed = widget->sizeHint().width();
    if (needed > widget->width()) widget->resize(needed, widget->height());
}

}  // namespace

QFont WindowFont(double pointSize) {
    // The layout was drawn for a narrow sans face; Arial and its metric twins fit its captions,
    // the platform's general font is the fallback.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"), font.family()});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void SetButtonColour(QPushButton* button, const QColor& colour) {
    // A style sheet is the one way every widget style honours a button background.
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid "
                                         "palette(dark); }")
                              .arg(colour.name()));
    button->setProperty("colour", colour);
}

QRect ControlFactory::pixels(TwipsRect r) const {
    return QRect(scale_.toPixelsRounded(r.left), scale_.toPixelsRounded(r.top),
                 scale_.toPixelsRounded(r.width), scale_.toPixelsRounded(r.height));
}

QLabel* ControlFactory::label(QWidget* parent, const char* name, const QString& caption,
                              TwipsRect r, std::optional<QColor> textColour,
                              double pointSize) const {
    auto* label = place(new QLabel(caption, parent), name, pixels(r));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (pointSize != kSmallFontPt) label->setFont(WindowFont(pointSize));
    if (textColour) SetTextColour(label, *textColour);
    // Captions drawn two lines high wrap at word boundaries; one-line captions never wrap and
    // grow to the right when this screen's font is wider than the design's (wrapped ones grow
    // downwards).
    const int lineHeight = label->fontMetrics().lineSpacing();
    if (label->height() * 2 >= lineHeight * 3) {
        label->setWordWrap(true);
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height()) label->resize(label->width(), needed);
    } else {
        fitWidth(label);
    }
    return label;
}

QLineEdit* ControlFactory::textBox(QWidget* parent, const char* name, const QString& text,
                                   TwipsRect r) const {
    return place(new QLineEdit(text, parent), name, pixels(r));
}

QLineEdit* ControlFactory::readout(QWidget* parent, const char* name, TwipsRect r) const {
    auto* box = textBox(parent, name, QString::fromLatin1(name), r);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    box->setPalette(palette);
    return box;
}

QCheckBox* ControlFactory::checkBox(QWidget* parent, const char* name, const QString& caption,
                                    TwipsRect r, bool ticked) const {
    auto* box = place(new QCheckBox(caption, parent), name, pixels(r));
    box->setChecked(ticked);
    if (!caption.isEmpty()) fitWidth(box);
    return box;
}

QPushButton* ControlFactory::colourButton(QWidget* parent, const char* name, TwipsRect r,
                                          const QColor& background) const {
    auto* button = place(new QPushButton(parent), name, pixels(r));
    SetButtonColour(button, background);
    return button;
}

QToolButton* ControlFactory::pictureButton(QWidget* parent, const char* name,
                                           const QString& caption, const QString& iconPath,
                                           TwipsRect r) const {
    auto* button = place(new QToolButton(parent), name, pixels(r));
    button->setText(caption);
    button->setIcon(QIcon(iconPath));
    button->setIconSize(QSize(kPictureSizePx, kPictureSizePx));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    QFont font = WindowFont(kLargeFontPt);
    font.setBold(true);
    font.setItalic(true);
    button->setFont(font);
    return button;
}

QGroupBox* ControlFactory::frame(QWidget* parent, const char* name, const QString& caption,
                                 TwipsRect r) const {
    return place(new QGroupBox(caption, parent), name, pixels(r));
}

}  // namespace ravemo
