#pragma once

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace ravemo {

class ChartWidget;

// The controls of chart1 that code addresses, by their design names. Every control, these and
// the purely decorative captions, also carries its design name as objectName. The window owns
// them all through Qt's parent chain; these are plain observers.
struct MainWindowControls {
    // Chart area.
    ChartWidget* Picture1 = nullptr;
    QLabel* label17 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label29 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label32 = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label33 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* fre = nullptr;
    QLabel* Label39 = nullptr;
    QLineEdit* Text18 = nullptr;  // return-loss offset, dB
    QLineEdit* Text17 = nullptr;  // help hint

    // "FREQUENCY SWEEP LIMITS".
    QGroupBox* SCAN = nullptr;
    std::array<QLineEdit*, 2> txtVal{};  // 0: lower limit, 1: upper limit, MHz
    QCheckBox* Check7 = nullptr;         // Full Sweep
    QCheckBox* Check8 = nullptr;         // Hold
    QLineEdit* Text5 = nullptr;          // sweep time, ms
    QLineEdit* Text15 = nullptr;         // velocity factor, beyond the frame's edge

    // "LINE ENABLE AND COLORS".
    QGroupBox* Frame3 = nullptr;
    QLabel* Label34 = nullptr;    // SWR caption
    QLabel* Label22 = nullptr;    // phase caption
    QLabel* Label21 = nullptr;    // return-loss caption
    QLabel* Label26 = nullptr;    // |Xs| caption
    QLabel* Label27 = nullptr;    // Rs caption
    QLabel* Label28 = nullptr;    // |Z| caption
    QCheckBox* Check1 = nullptr;  // phase curve
    QCheckBox* Check2 = nullptr;  // |Xs| curve
    QCheckBox* Check3 = nullptr;  // Rs curve
    QCheckBox* Check4 = nullptr;  // |Z| curve
    QCheckBox* Check5 = nullptr;  // return-loss curve
    QCheckBox* Check6 = nullptr;  // SWR curve
    // Colour buttons Command3..Command10 at index n - 3 (Command9, Command10 are in MARKERS).
    std::array<QPushButton*, 8> colourButtons{};
    QToolButton* Command1 = nullptr;  // save
    QToolButton* Command2 = nullptr;  // open

    // "MARKERS".
    QGroupBox* Frame1 = nullptr;
    QCheckBox* Check9 = nullptr;  // Single marker
    QLabel* Label13 = nullptr;    // "Freq. MK2 ="
    QLabel* Label8 = nullptr;     // MK1 frequency
    QLabel* Label14 = nullptr;    // MK2 frequency
    QLineEdit* anglemk1 = nullptr;
    QLineEdit* anglemk2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text9 = nullptr;
    QLineEdit* Text10 = nullptr;
    QLineEdit* Text11 = nullptr;
    QLineEdit* Text12 = nullptr;
    QLineEdit* Text13 = nullptr;
    QLineEdit* Text14 = nullptr;
    QLineEdit* Text16 = nullptr;

    QPushButton* colourButton(int commandNumber) const {
        return colourButtons.at(static_cast<std::size_t>(commandNumber - 3));
    }
};

}  // namespace ravemo
