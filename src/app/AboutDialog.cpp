#include "app/AboutDialog.h"

#include "platform/ControlNames.h"
#include "startup/AppIcon.h"
#include "startup/WrappedTextHeight.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tonalyst {

namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    nameControl(label, name);
    label->setWordWrap(true);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    nameControl(this, "frmabout");
    setWindowTitle(tr("About Tonalyst ..."));
    setWindowIcon(appIcon());
    setModal(true);

    auto* image = new QLabel(this);
    nameControl(image, "Image1");
    image->setPixmap(appPixmap(96));
    image->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel* title = addLabel(this, "lblTitle", QStringLiteral("Tonalyst"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
    titleFont.setBold(true);
    title->setFont(titleFont);

    QLabel* version = addLabel(this, "lblVersion", tr("Version %1").arg(QStringLiteral(TONALYST_VERSION)));
    QLabel* description = addLabel(this, "lblDescription", tr("your complete music theory fitness program"));
    QFont descriptionFont = description->font();
    descriptionFont.setItalic(true);
    description->setFont(descriptionFont);
    QLabel* details = addLabel(this, "lblDetails",
                               tr("Drills in key signatures, intervals and chords, written and by ear, with "
                                  "practice and test runs and performance reports."));
    QLabel* credits = addLabel(this, "lblCredits",
                               tr("Tones are played by a software synthesizer from a General MIDI "
                                  "soundfont installed on this computer."));
    QPalette quiet = credits->palette();
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
    credits->setPalette(quiet);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    nameControl(ok, "Command1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setSpacing(6);
    text->addWidget(title);
    text->addWidget(version);
    text->addWidget(description);
    text->addSpacing(10);
    text->addWidget(details);
    text->addWidget(credits);
    text->addStretch();

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->setHorizontalSpacing(20);
    layout->setVerticalSpacing(14);
    layout->addWidget(image, 0, 0);
    layout->addLayout(text, 0, 1);
    layout->addWidget(buttons, 1, 0, 1, 2);
    setFixedWidth(460);
    new WrappedTextHeight(this);
}

} // namespace tonalyst
