#include <map>
#include <vector>

#include <gtest/gtest.h>
#include <QAccessible>
#include <QCheckBox>
#include <QWidget>

#include "ui/access/AccessRig.h"
#include "ui/chart/ChartWidget.h"
#include "ui/tuning/TuningChartWidget.h"

namespace ravemo {
namespace {

// The roles a user works or reads: each needs a name of its own.
bool isControl(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::Table:
        case QAccessible::Chart:
        case QAccessible::ButtonMenu:
            return true;
        default:
            return false;
    }
}

struct Control {
    QAccessibleInterface* access;
    QString objectName;
};

// The visible controls under `root` as a screen reader walks them; a table's cells are its own.
void collect(QAccessibleInterface* root, std::vector<Control>& out) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child == nullptr || child->state().invisible) continue;
        if (isControl(child->role())) out.push_back({child, child->object()->objectName()});
        if (child->role() != QAccessible::Table) collect(child, out);
    }
}

std::vector<Control> controlsOf(std::initializer_list<QWidget*> windows) {
    std::vector<Control> controls;
    for (QWidget* window : windows)
        collect(QAccessible::queryAccessibleInterface(window), controls);
    return controls;
}

TEST(AccessibleTree, EveryVisibleControlOfBothWindowsHasANameOfItsOwn) {
    test::AccessRig rig(QStringLiteral("sim:dipole:7.1"), 300, "6", "8");
    rig.main->controls().Check9->click();  // marker 2's readouts shown too
    rig.tick();
    const std::vector<Control> controls = controlsOf({rig.main.get(), rig.tuning});
    std::map<QString, int> names;
    for (const Control& c : controls) {
        const QString name = c.access->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << c.objectName.toStdString();
        ++names[name];
    }
    for (const auto& [name, count] : names) EXPECT_EQ(count, 1) << name.toStdString();
    // Before this work 16 of the 44 had one; now every one, marker 2's row included.
    EXPECT_GE(controls.size(), 60U);

    struct Expected {
        const char* objectName;
        QAccessible::Role role;
        const char* name;
        const char* description;  // a part of it
    };
    const Expected expected[] = {
        {"Text3", QAccessible::EditableText, "SWR at marker 1", ""},
        {"Text10", QAccessible::EditableText, "Return loss at marker 2", "dB"},
        {"txtVal_1", QAccessible::EditableText, "Upper sweep limit", "MHz"},
        {"Command5", QAccessible::PushButton, "Colour of the return loss curve", ""},
        {"Check1", QAccessible::CheckBox, "Phase curve", ""},
        {"Region", QAccessible::ComboBox, "Band plan", "IARU"},
        {"Target", QAccessible::EditableText, "Target frequency", "MHz"},
        {"DipsTable", QAccessible::Table, "Dips table", "Ctrl+Down"},
        {"Picture1", QAccessible::Chart, "Sweep chart", "Sweep from 6.0000 to 8.0000 MHz"},
        {"TuningChart", QAccessible::Chart, "Tuning chart", "1 dip: 7.1"},
        {"SmithChart", QAccessible::Chart, "Smith chart", "At the deepest dip, 7.1"},
    };
    for (const Expected& e : expected) {
        const auto found = std::find_if(controls.begin(), controls.end(), [&e](const Control& c) {
            return c.objectName == QLatin1String(e.objectName);
        });
        ASSERT_NE(found, controls.end()) << e.objectName;
        EXPECT_EQ(found->access->role(), e.role) << e.objectName;
        EXPECT_EQ(found->access->text(QAccessible::Name), e.name);
        EXPECT_TRUE(found->access->text(QAccessible::Description).contains(e.description))
            << found->access->text(QAccessible::Description).toStdString();
    }
    // The readout's value is what it shows; a combo box's value is its choice.
    const auto value = [&controls](const char* objectName) {
        for (const Control& c : controls) {
            if (c.objectName == QLatin1String(objectName))
                return c.access->text(QAccessible::Value);
        }
        return QString();
    };
    EXPECT_EQ(value("Text3"), rig.main->controls().Text3->text());
    EXPECT_EQ(value("Region"), QStringLiteral("IARU region 1"));
}

// The tables are tables to a screen reader: rows, columns, headers, cells.
TEST(AccessibleTree, DipsAndBandsAreTablesWithHeadersAndCells) {
    test::AccessRig rig(QStringLiteral("sim:dipole:7.1"), 300, "6", "8");
    for (const char* name : {"DipsTable", "BandsTable"}) {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(
            rig.tuning->findChild<QWidget*>(QString::fromLatin1(name)));
        QAccessibleTableInterface* cells = table->tableInterface();
        ASSERT_NE(cells, nullptr) << name;
        EXPECT_EQ(cells->rowCount(), 1) << name;  // the 7.1 MHz dip, the 40 m band
        QStringList heads;
        for (int column = 0; column < cells->columnCount(); ++column) {
            heads << cells->columnDescription(column);
        }
        const QString firstCell =
            cells->cellAt(0, cells->columnCount() == 7 ? 0 : 1)->text(QAccessible::Name);
        EXPECT_TRUE(heads.contains(QStringLiteral("Frequency (MHz)")) ||
                    heads.contains(QStringLiteral("Band")))
            << heads.join(u'|').toStdString();
        EXPECT_FALSE(firstCell.isEmpty()) << name;
    }
}

// The charts' words follow every sweep (composed when read: nothing is sent per sweep, which
// the end-to-end test checks over AT-SPI); Ctrl+D puts the focus on the chart to have them read.
TEST(AccessibleTree, ChartTextFollowsTheSweepsAndCtrlDGoesToTheChart) {
    test::AccessRig rig(QStringLiteral("sim:dipole:7.1"), 20, "6", "8");
    ChartWidget* chart = rig.main->controls().Picture1;
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(chart);
    test::AccessRig::press(*rig.main, Qt::ALT | Qt::Key_D);
    rig.tick();
    EXPECT_TRUE(access->text(QAccessible::Description)
                    .contains(QStringLiteral("Marker 1 at 7,100,000 Hz: SWR 1.4")))
        << access->text(QAccessible::Description).toStdString();
    rig.main->controls().txtVal[0]->setText(QStringLiteral("6.5"));
    rig.tick(2);
    EXPECT_TRUE(access->text(QAccessible::Description)
                    .startsWith(QStringLiteral("Sweep from 6.5000 to 8.0000 MHz, 21 samples.")))
        << access->text(QAccessible::Description).toStdString();

    test::AccessRig::press(*rig.main, Qt::CTRL | Qt::Key_D);
    EXPECT_EQ(QApplication::focusWidget(), chart);
    test::AccessRig::press(*rig.tuning, Qt::CTRL | Qt::Key_D);
    EXPECT_EQ(QApplication::focusWidget(), &rig.tuning->chart());
}

}  // namespace
}  // namespace ravemo
