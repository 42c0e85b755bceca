#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include "ui/access/AccessRig.h"
#include "ui/cable/CableWindow.h"
#include "ui/chart/ChartWidget.h"
#include "ui/share/ShareWindow.h"
#include "ui/tuning/CalibrationDialog.h"
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
        case QAccessible::Graphic:
        case QAccessible::ButtonMenu:
            return true;
        default:
            return false;
    }
}

struct Control {
    QAccessibleInterface* access;
    QString objectName;
    QString name;
};

// The visible controls under `root` as a screen reader walks them, and whatever takes the
// focus (a selectable label); a table's cells are its own.
void collect(QAccessibleInterface* root, std::vector<Control>& out) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child == nullptr || child->state().invisible) continue;
        if (isControl(child->role()) || child->state().focusable) {
            out.push_back({child, child->object()->objectName(), child->text(QAccessible::Name)});
        }
        if (child->role() != QAccessible::Table) collect(child, out);
    }
}

// The main and tuning windows and the three windows opened from the tuning window (the Cable
// window, the calibration dialog and the share window, sharing on 127.0.0.1).
TEST(AccessibleTree, EveryVisibleControlOfEveryWindowHasANameOfItsOwn) {
    test::AccessRig rig(QStringLiteral("sim:dipole:7.1"), 300, "6", "8");
    rig.main->controls().Check9->click();  // marker 2's readouts shown too
    rig.tick();
    rig.tuning->openCableWindow();
    rig.tuning->showCalibration();
    ShareWindow& share = ShareWindow::showFor(*rig.tuning, rig.main->measurement());
    share.addressBox().setCurrentIndex(share.addressBox().findData(QStringLiteral("127.0.0.1")));
    share.start();
    const QString url = share.server().pageUrls().value(0);
    ASSERT_FALSE(url.isEmpty());

    std::vector<Control> controls;
    for (QWidget* window :
         std::initializer_list<QWidget*>{rig.main.get(), rig.tuning, rig.tuning->cableWindow(),
                                         rig.tuning->findChild<CalibrationDialog*>(), &share}) {
        std::vector<Control> own;
        collect(QAccessible::queryAccessibleInterface(window), own);
        // A name tells the controls of one window apart; another window may repeat it.
        std::map<QString, int> names;
        for (const Control& c : own) {
            EXPECT_FALSE(c.name.trimmed().isEmpty())
                << window->objectName().toStdString() << ": " << c.objectName.toStdString() << " "
                << c.access->role();
            ++names[c.name];
        }
        for (const auto& [name, count] : names) EXPECT_EQ(count, 1) << name.toStdString();
        controls.insert(controls.end(), own.begin(), own.end());
    }
    // Before this work 16 of the main and tuning windows' 44 had one; now every one of the
    // five windows', marker 2's row included.
    EXPECT_GE(controls.size(), 80U);

    struct Expected {
        const char* control;  // its object name, or its name where it has no object name
        QAccessible::Role role;
        const char* name;
        const char* description;  // a part of it
    };
    const std::string address = url.toStdString();
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
        {"Far end", QAccessible::ComboBox, "Far end", "open or shorted"},
        {"Velocity factor", QAccessible::EditableText, "Velocity factor", "0.1 to 1"},
        {"DistanceToFault", QAccessible::Chart, "Distance to fault plot",
         "Distance to fault: reflection along the line from 0 to"},
        {"Sweep the short", QAccessible::PushButton, "Sweep the short", "Not swept yet."},
        {"Clear calibration", QAccessible::PushButton, "Clear calibration", "Stop correcting"},
        {"Address", QAccessible::ComboBox, "Address", "network address"},
        {"Port", QAccessible::SpinBox, "Port", "any free one"},
        {"Stop sharing", QAccessible::PushButton, "Stop sharing", "closing this window"},
        // The address as text equivalent of the code, and on the selectable label.
        {"QR code of the page address", QAccessible::Graphic, "QR code of the page address",
         address.c_str()},
        {"Page address", QAccessible::StaticText, "Page address", address.c_str()},
    };
    for (const Expected& e : expected) {
        const QString key = QString::fromUtf8(e.control);
        const auto found = std::find_if(controls.begin(), controls.end(), [&key](const Control& c) {
            return c.objectName == key || (c.objectName.isEmpty() && c.name == key);
        });
        ASSERT_NE(found, controls.end()) << e.control;
        EXPECT_EQ(found->access->role(), e.role) << e.control;
        EXPECT_EQ(found->name, QString::fromUtf8(e.name));
        EXPECT_TRUE(found->access->text(QAccessible::Description).contains(e.description))
            << e.control << ": " << found->access->text(QAccessible::Description).toStdString();
    }
    // The readout's value is what it shows; a combo box's value is its choice.
    const auto value = [&controls](const char* objectName) {
        for (const Control& c : controls) {
            if (c.objectName == QLatin1String(objectName) || c.name == QLatin1String(objectName))
                return c.access->text(QAccessible::Value);
        }
        return QString();
    };
    EXPECT_EQ(value("Text3"), rig.main->controls().Text3->text());
    EXPECT_EQ(value("Region"), QStringLiteral("IARU region 1"));
    EXPECT_EQ(value("Far end"), QStringLiteral("Open"));
    // A label named by its purpose still tells what it shows.
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&share.statusLine())
                    ->text(QAccessible::Description)
                    .startsWith(QStringLiteral("On: no phone")));
    // The cable's box is read by what it asks for.
    rig.tuning->cableWindow()->knownBox().setCurrentIndex(0);
    QAccessibleInterface* known =
        QAccessible::queryAccessibleInterface(&rig.tuning->cableWindow()->knownValueBox());
    EXPECT_EQ(known->text(QAccessible::Name), QStringLiteral("Cable length"));
    EXPECT_EQ(known->text(QAccessible::Description), QStringLiteral("metres, such as 23.4"));
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
