#include "startup/app/SplashWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QWindow>

#include "common/ProgramVersion.h"
#include "startup/app/ProgramIcon.h"
#include "ui/chart/Twips.h"

namespace ravemo {
namespace {

// Layout in twips, as designed.
constexpr double kClientWidthTwips = 4335.0;
constexpr double kClientHeightTwips = 2610.0;
constexpr QRectF kFrameTwips(210, 105, 3945, 2265);
constexpr QPointF kProductTitleTwips(210, 1785);
constexpr QPointF kVersionTwips(210, 1470);
constexpr QRectF kNoticeTwips(315, 210, 2025, 255);
constexpr QPointF kImageTwips(3285, 315);
constexpr int kBorderWidthPx = 2;

// How long the splash may wait for the window system to show it before the start-up goes on.
constexpr int kExposeWaitMs = 300;

const QColor kBackground(0xC0, 0xC0, 0xC0);
const QColor kVersionColour(0x00, 0x00, 0xFF);

QFont arial(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QRect scaled(const TwipsScale& scale, const QRectF& twips, int offset = 0) {
    return QRect(scale.toPixelsRounded(twips.left()) + offset,
                 scale.toPixelsRounded(twips.top()) + offset, scale.toPixelsRounded(twips.width()),
                 scale.toPixelsRounded(twips.height()));
}

}  // namespace

SplashWindow::SplashWindow(const QIcon& icon, double logicalDpi)
    : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    const TwipsScale scale(logicalDpi > 0 ? logicalDpi : 96.0);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(kBorderWidthPx);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kBackground);
    setPalette(grey);
    setAutoFillBackground(true);
    setFixedSize(scale.toPixelsRounded(kClientWidthTwips) + 2 * kBorderWidthPx,
                 scale.toPixelsRounded(kClientHeightTwips) + 2 * kBorderWidthPx);

    auto* frame1 = new QFrame(this);
    frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1->setGeometry(scaled(scale, kFrameTwips, kBorderWidthPx));

    auto* image1 = new QLabel(frame1);
    image1->setPixmap(icon.pixmap(kProgramIconSizePx, kProgramIconSizePx));
    image1->setGeometry(scale.toPixelsRounded(kImageTwips.x()),
                        scale.toPixelsRounded(kImageTwips.y()), kProgramIconSizePx,
                        kProgramIconSizePx);

    auto* product = new QLabel(QStringLiteral("Ravemo"), frame1);
    product->setObjectName(QStringLiteral("lblCompanyProduct"));
    product->setFont(arial(9.75, true));
    QPalette black = product->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    product->setPalette(black);
    product->move(scale.toPixelsRounded(kProductTitleTwips.x()),
                  scale.toPixelsRounded(kProductTitleTwips.y()));
    product->adjustSize();

    // The version caption, then the (empty) comments of the version information.
    lblVersion_ = new QLabel(QStringLiteral("Version ") + QLatin1String(kProgramVersion), frame1);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    lblVersion_->setFont(arial(12, true));
    QPalette blue = lblVersion_->palette();
    blue.setColor(QPalette::WindowText, kVersionColour);
    lblVersion_->setPalette(blue);
    lblVersion_->move(scale.toPixelsRounded(kVersionTwips.x()),
                      scale.toPixelsRounded(kVersionTwips.y()));
    lblVersion_->adjustSize();

    // The legal notice of the version information, which is empty.
    auto* notice = new QLabel(QString(), frame1);
    notice->setObjectName(QStringLiteral("lblLegalNotice"));
    notice->setFont(arial(8.25, false));
    notice->setAlignment(Qt::AlignCenter);
    notice->setGeometry(scaled(scale, kNoticeTwips));
}

void SplashWindow::showAndPaint() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    // The window system maps the window asynchronously: let its events run until it is shown.
    QElapsedTimer waited;
    waited.start();
    do {
        QApplication::processEvents();
    } while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < kExposeWaitMs);
    repaint();
}

}  // namespace ravemo
