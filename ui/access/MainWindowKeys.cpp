#include "ui/access/MainWindowKeys.h"

#include <functional>
#include <utility>

#include <QCheckBox>
#include <QKeySequence>
#include <QToolButton>

#include "ui/MainWindow.h"
#include "ui/access/MarkerKeys.h"
#include "ui/access/TextEquivalent.h"
#include "ui/access/WindowKey.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {
namespace {

struct MarkerKey {
    Qt::Key key;
    MarkerMove move;
};

constexpr MarkerKey kMarkerKeys[] = {
    {Qt::Key_Left, MarkerMove::SampleLeft},    {Qt::Key_Right, MarkerMove::SampleRight},
    {Qt::Key_PageDown, MarkerMove::TenthLeft}, {Qt::Key_PageUp, MarkerMove::TenthRight},
    {Qt::Key_Home, MarkerMove::FirstSample},   {Qt::Key_End, MarkerMove::LastSample},
};

}  // namespace

void InstallMainWindowKeys(MainWindow& window) {
    const MainWindowControls& c = window.controls();
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_S), [&c] { c.Command1->click(); });
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_O), [&c] { c.Command2->click(); });
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_H), [&c] { c.Check8->click(); });
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_F), [&c] { c.Check7->click(); });
    AddWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_D),
                 [&c] { AnnounceTextEquivalent(*c.Picture1); });

    Measurement& measurement = window.measurement();
    ChartWidget& chart = *c.Picture1;
    for (const int marker : {1, 2}) {
        const Qt::KeyboardModifiers modifiers =
            marker == 1 ? Qt::AltModifier : Qt::AltModifier | Qt::ShiftModifier;
        for (const MarkerKey& k : kMarkerKeys) {
            AddWindowKey(window, QKeySequence(modifiers | k.key),
                         [&chart, &measurement, marker, k] {
                             MoveMarker(chart, measurement, marker, k.move);
                         });
        }
        AddWindowKey(window, QKeySequence(modifiers | Qt::Key_D), [&chart, &measurement, marker] {
            MoveMarkerToDeepestDip(chart, measurement, marker);
        });
    }
}

}  // namespace ravemo
