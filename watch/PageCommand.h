#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace ravemo {

// The only two things the page may ask for, and only when the user allowed it: sweep around
// one of the listed dips, or sweep an amateur band. Nothing else the page sends is read.
struct PageCommand {
    enum class Kind { SweepAroundDip, SweepBand };
    Kind kind = Kind::SweepAroundDip;
    int dip = 0;   // index in the message's "dips"
    QString band;  // a name from the message's "band_choices", e.g. "20m"
};

// The longest message the page may send; the live channel refuses longer ones unread.
inline constexpr qsizetype kMostPageCommandBytes = 256;

// {"command":"sweep_dip","dip":N} or {"command":"sweep_band","band":"NAME"}; none for anything
// else (other keys, other commands, a dip out of 0..99, a band name over 16 characters).
std::optional<PageCommand> ParsePageCommand(const QByteArray& text);

}  // namespace ravemo
