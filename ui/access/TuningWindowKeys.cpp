#include "ui/access/TuningWindowKeys.h"

#include <algorithm>
#include <functional>
#include <utility>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "ui/MainWindowControls.h"
#include "ui/access/TextEquivalent.h"
#include "ui/access/WindowKey.h"
#include "ui/tuning/BandsPanel.h"
#include "ui/tuning/TextTableWidget.h"
#include "ui/tuning/TuningChartWidget.h"
#include "ui/tuning/TuningToolBar.h"
#include "ui/tuning/TuningWindow.h"

namespace ravemo {
namespace {

// The dips table's column of the frequency, after the buttons' column.
constexpr int kDipFrequencyColumn = 1;

// The dips table's row after a step of `delta` from the selected one; the first dip when none
// is selected. -1 without dips.
int steppedRow(int selected, int delta, int rows) {
    if (rows <= 0) return -1;
    if (selected < 0) return 0;
    return std::clamp(selected + delta, 0, rows - 1);
}

}  // namespace

void InstallTuningWindowKeys(TuningWindow& window, const MainWindowControls& main) {
    auto* dips = window.findChild<TextTableWidget*>(QStringLiteral("DipsTable"));
    const auto selectedDip = [dips] {
        const QList<QTableWidgetSelectionRange> ranges = dips->selectedRanges();
        return ranges.isEmpty() ? -1 : ranges.front().topRow();
    };
    for (const std::pair<Qt::Key, int>& keyStep :
         {std::pair{Qt::Key_Down, 1}, std::pair{Qt::Key_Up, -1}}) {
        const int delta = keyStep.second;
        AddWindowKey(window, QKeySequence(Qt::CTRL | keyStep.first), [dips, selectedDip, delta] {
            const int row = steppedRow(selectedDip(), delta, dips->rowCount());
            if (row < 0) return;
            dips->setFocus(Qt::ShortcutFocusReason);
            // On the dip's frequency, not on its button: the screen reader reads the dip.
            dips->setCurrentCell(row, kDipFrequencyColumn,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        });
    }
    const auto sweepAround = [&window, selectedDip] {
        window.sweepAroundDip(std::max(selectedDip(), 0));
    };
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_Return), sweepAround);
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_Enter), sweepAround);

    BandsPanel& bands = window.bandsPanel();
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_B),
                 [&bands] { bands.picker().setFocus(Qt::ShortcutFocusReason); });
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B),
                 [&bands] { bands.sweepButton().click(); });

    QLineEdit& target = window.toolBar().targetBox();
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_T), [&target] {
        target.setFocus(Qt::ShortcutFocusReason);
        target.selectAll();
    });
    QAction& keep = window.toolBar().keepReferenceAction();
    keep.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    keep.setToolTip(keep.toolTip() + QStringLiteral(" (Ctrl+R)"));
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_D),
                 [&window] { AnnounceTextEquivalent(window.chart()); });

    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_S), [&main] { main.Command1->click(); });
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_O), [&main] { main.Command2->click(); });
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_H), [&main] { main.Check8->click(); });
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_F), [&main] { main.Check7->click(); });
}

}  // namespace ravemo
