#pragma once

#include <optional>

#include <QMap>
#include <QString>
#include <QStringList>

namespace ravemo {

// The words of one command: its options (--name value, or --name alone for a flag) and its
// positional arguments, in order. Only the options a command declares are accepted.
class CliArguments {
  public:
    // Splits `words` against the declared value options and flags; an unknown option or a
    // value option without its value leaves error() set.
    CliArguments(const QStringList& words, const QStringList& valueOptions,
                 const QStringList& flags);

    const QString& error() const { return error_; }
    bool has(const QString& name) const { return values_.contains(name); }
    QString value(const QString& name) const { return values_.value(name); }
    const QStringList& positional() const { return positional_; }

    // A number given as an option, read with the point as decimal separator whatever the
    // locale; nothing when the option is absent; error() set when it is not a finite number.
    std::optional<double> number(const QString& name);

  private:
    QMap<QString, QString> values_;
    QStringList positional_;
    QString error_;
};

}  // namespace ravemo
