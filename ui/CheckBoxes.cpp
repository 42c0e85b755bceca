#include "ui/CheckBoxes.h"

#include <QCheckBox>

#include "common/CheckBoxValue.h"

namespace ravemo {

int CheckValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return kTicked;
        case Qt::PartiallyChecked:
            return kGreyed;
        case Qt::Unchecked:
            return kUnticked;
    }
    return kUnticked;
}

Qt::CheckState CheckStateOf(int value) {
    switch (value) {
        case kTicked:
            return Qt::Checked;
        case kGreyed:
            return Qt::PartiallyChecked;
        default:
            return Qt::Unchecked;
    }
}

}  // namespace ravemo
