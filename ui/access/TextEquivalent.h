#pragma once

#include <functional>

#include <QAccessible>
#include <QString>

class QWidget;

namespace ravemo {

// The text equivalent of a picture (a chart, a QR code) or of a label that shows a changing
// reading, for assistive technology: its accessible description, with `role` (a chart, a
// graphic, static text). The text is composed only when a screen reader asks for it, so it
// always tells the latest sweep, and a chart redrawn ten times a second sends no event at all;
// AnnounceTextEquivalent() tells the screen reader on request.
//
// `compose` is called whenever the description is read; it must not outlive what it reads
// (it is dropped with the widget).
void SetTextEquivalent(QWidget& widget, std::function<QString()> compose,
                       QAccessible::Role role = QAccessible::Chart);
// The text as a screen reader reads it now; empty where none was set.
QString TextEquivalent(const QWidget& widget);
// Moves the keyboard focus to the widget and tells assistive technology that its description
// changed, so that a screen reader speaks it.
void AnnounceTextEquivalent(QWidget& widget);

}  // namespace ravemo
