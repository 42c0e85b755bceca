#include <vector>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "ui/WindowLayout.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {

void ApplyTabOrder(MainWindowControls& c) {
    std::vector<QWidget*> order = {c.Picture1, c.txtVal[1], c.Text15,   c.Check1,  c.Check6,
                                   c.Check5,   c.Check4,    c.Check3,   c.Check2,  c.txtVal[0],
                                   c.Check7,   c.Check8,    c.Command1, c.Command2};
    for (QPushButton* button : c.colourButtons) order.push_back(button);
    order.push_back(c.Check9);
    order.push_back(c.Text18);
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace ravemo
