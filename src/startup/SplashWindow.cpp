#include "startup/SplashWindow.h"

#include "platform/ControlNames.h"
#include "startup/AppIcon.h"
#include "startup/ScreenFit.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QVBoxLayout>

namespace tonalyst {

namespace {

// Whether a family is installed, by the installed families' list. A family that more
// than one foundry offers is listed as "Family [Foundry]".
bool listed(const QStringList& families, QLatin1String family) {
    for (const QString& name : families) {
        const qsizetype foundry = name.indexOf(QLatin1String(" ["));
        if (QStringView(name).left(foundry < 0 ? name.size() : foundry).compare(family, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

QFont splashTitleFont(const QFont& base) {
    QFont font = base;
    // Times New Roman where it is installed, otherwise the nearest serif of the system.
    // The family is looked up in the list of installed families rather than handed to
    // the font as a list, which sends the font matcher through the fallbacks of every
    // family that is missing, or asked of hasFamily(), which has fontconfig resolve each
    // name as an alias. Either takes longer than building the rest of the window.
    const QStringList installed = QFontDatabase::families();
    for (const QLatin1String family : kSplashTitleFamilies) {
        if (listed(installed, family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setStyleHint(QFont::Serif);
    font.setPointSize(40);
    font.setBold(true);
    return font;
}


SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    nameControl(this, "frmstartup");
    setWindowTitle(QStringLiteral("Tonalyst v2"));
    setWindowIcon(appIcon());
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#frmstartup { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                 "stop:0 #ffffff, stop:1 #e4ecf6); }"
                                 "#Label2 { color: #1d3a66; }"
                                 "#Label3 { color: #5b6b80; }"));

    auto* image = new QLabel(this);
    nameControl(image, "Image1");
    image->setPixmap(appPixmap(128));
    image->setAlignment(Qt::AlignCenter);

    auto* title = new QLabel(QStringLiteral("Tonalyst"), this);
    nameControl(title, "Label1");
    title->setFont(splashTitleFont(font()));
    title->setAlignment(Qt::AlignCenter);

    auto* motto = new QLabel(tr("your complete music theory fitness program"), this);
    nameControl(motto, "Label2");
    QFont mottoFont = motto->font();
    // Upright: an italic face would be one more font file to open before the first prompt.
    mottoFont.setPointSizeF(mottoFont.pointSizeF() * 1.25);
    motto->setFont(mottoFont);
    motto->setAlignment(Qt::AlignCenter);

    m_warmingUp = new QLabel(tr("Tonalyst  is just warming up, one moment please ..."), this);
    nameControl(m_warmingUp, "Label3");
    m_warmingUp->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 36, 48, 28);
    layout->setSpacing(10);
    layout->addWidget(image);
    layout->addWidget(title);
    layout->addWidget(motto);
    layout->addSpacing(24);
    layout->addWidget(m_warmingUp);
    setFixedSize(sizeHint().expandedTo(QSize(520, 0)));
}

void SplashWindow::showNow() {
    placeOnScreen(this);
    show();
    raise();
    repaint();
    // Let the window system map and draw the window before loading blocks the loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashWindow::clearWarmingUp() {
    m_warmingUp->clear();
}

} // namespace tonalyst
