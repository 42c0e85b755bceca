#pragma once

#include <QString>

class QComboBox;

namespace ravemo {

// Names a combo box by its purpose for assistive technology. Qt's own combo box interface on
// Linux gives the current value as the name (the purpose is left to a label relation, which
// these boxes lack); the named box answers its name, with the value as its value.
void NameComboBox(QComboBox& box, const QString& name, const QString& description = {});

}  // namespace ravemo
