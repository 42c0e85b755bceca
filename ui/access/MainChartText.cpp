#include "ui/access/MainChartText.h"

#include <cmath>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include "analysis/LowestSwr.h"
#include "analysis/SweepSamples.h"
#include "plot/TuningTables.h"
#include "ui/MainWindowControls.h"
#include "ui/Measurement.h"

namespace ravemo {
namespace {

using C = MainWindowControls;

struct CurveWord {
    QCheckBox* C::*box;
    const char* name;
};
const CurveWord kCurves[] = {
    {&C::Check6, "SWR"},  {&C::Check1, "phase"}, {&C::Check5, "return loss"},
    {&C::Check2, "|Xs|"}, {&C::Check3, "Rs"},    {&C::Check4, "|Z|"},
};

QString markerText(int marker, const QLabel* frequency, const QLineEdit* swr,
                   const QLineEdit* returnLoss, const QLineEdit* phase, const QLineEdit* rs,
                   const QLineEdit* xs, const QLineEdit* z) {
    return QStringLiteral(
               "Marker %1 at %2 Hz: SWR %3, return loss %4 dB, phase %5 degrees, Rs %6 ohms, "
               "|Xs| %7 ohms, |Z| %8 ohms.")
        .arg(QString::number(marker), frequency->text(), swr->text(), returnLoss->text(),
             phase->text(), rs->text(), xs->text(), z->text());
}

}  // namespace

QString MainChartText(const Measurement& measurement, const MainWindowControls& c,
                      const QLocale& locale) {
    const double step = measurement.freqStep();
    if (step == 0.0) return QStringLiteral("No sweep yet.");
    const Settings& settings = measurement.settings();
    const double first = static_cast<double>(measurement.fMin());
    const double last = first + step * static_cast<double>(settings.Champ);
    QStringList parts;
    parts << QStringLiteral("Sweep from %1 to %2 MHz, %3 samples%4.")
                 .arg(
                     TableMHz(first, locale), TableMHz(last, locale),
                     locale.toString(settings.Champ / std::max<std::int32_t>(settings.Step, 1) + 1),
                     measurement.holdTicked() ? QStringLiteral(", held") : QString());

    const AntennaSamples set = SamplesFromSweep(measurement.data(), settings.Step);
    if (!set.samples.empty()) {
        const AntennaSample& lowest =
            set.samples[LowestSwrIndex(set.samples, 0, set.samples.size() - 1)];
        parts << (std::isfinite(lowest.swr)
                      ? QStringLiteral("Lowest SWR %1 at %2 MHz.")
                            .arg(locale.toString(lowest.swr, 'f', 2), TableMHz(lowest.hz, locale))
                      : QStringLiteral("Total reflection everywhere."));
    }

    QStringList curves;
    for (const CurveWord& curve : kCurves) {
        if ((c.*curve.box)->isChecked()) curves << QString::fromUtf8(curve.name);
    }
    parts << (curves.isEmpty()
                  ? QStringLiteral("No curve drawn.")
                  : QStringLiteral("Curves: %1.").arg(curves.join(QStringLiteral(", "))));

    parts << markerText(1, c.Label8, c.Text3, c.Text4, c.anglemk1, c.Text7, c.Text6, c.Text8);
    parts << (c.Text9->isHidden() ? QStringLiteral("Marker 2 hidden.")
                                  : markerText(2, c.Label14, c.Text9, c.Text10, c.anglemk2,
                                               c.Text12, c.Text11, c.Text13));
    return parts.join(u' ');
}

}  // namespace ravemo
