#include "ui/HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ravemo {
namespace {
constexpr int kWidthPx = 720;
constexpr int kHeightPx = 560;
}  // namespace

QStringList HelpWindow::candidatePaths(const QString& applicationDir) {
    const QDir dir(applicationDir);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("help/index.html"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("../share/ravemo/help/index.html")))};
}

QString HelpWindow::findManual(const QString& applicationDir) {
    for (const QString& path : candidatePaths(applicationDir)) {
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

QString HelpWindow::missingManualPage(const QStringList& lookedAt) {
    QString items;
    for (const QString& path : lookedAt)
        items += QStringLiteral("<li><tt>%1</tt></li>").arg(path.toHtmlEscaped());
    return QStringLiteral(
               "<h2>Ravemo help</h2>"
               "<p>The manual was not found. Ravemo looked for it here:</p><ul>%1</ul>"
               "<p>Reinstall Ravemo, or copy the <tt>help</tt> folder of the source tree beside "
               "the program.</p>")
        .arg(items);
}

HelpWindow::HelpWindow(const QString& applicationDir, QWidget* parent)
    : QWidget(parent, Qt::Window),
      browser_(new QTextBrowser(this)),
      back_(new QToolButton(this)),
      forward_(new QToolButton(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Ravemo help"));
    resize(kWidthPx, kHeightPx);

    back_->setText(tr("Back"));
    back_->setArrowType(Qt::LeftArrow);
    back_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_->setEnabled(false);
    forward_->setText(tr("Forward"));
    forward_->setArrowType(Qt::RightArrow);
    forward_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    forward_->setEnabled(false);
    browser_->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);

    const QString manual = findManual(applicationDir);
    if (manual.isEmpty()) {
        browser_->setHtml(missingManualPage(candidatePaths(applicationDir)));
    } else {
        browser_->setSource(QUrl::fromLocalFile(manual));
    }
}

}  // namespace ravemo
