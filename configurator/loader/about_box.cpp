#include "configurator/loader/about_box.h"

#include "configurator/loader/tool_launchers.h"
#include "platform/ui/ui_host.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const char* const RussianCredits =
    "Tavro2 — программа настройки самодельных USB-джойстиков на микроконтроллерах AVR "
    "(ATmega32U4, AT90USB646, AT90USB1286) с прошивкой Tavro.\n\n"
    "Прошивка и программа настройки: участники проекта Tavro.\n"
    "Спасибо всем, кто собирал платы, проверял прошивки, присылал отчёты об ошибках и "
    "переводы.";

const char* const EnglishCredits =
    "Tavro2 is the configuration tool for home-built USB joysticks on AVR microcontrollers "
    "(ATmega32U4, AT90USB646, AT90USB1286) running the Tavro firmware.\n\n"
    "Firmware and configurator: the contributors of the Tavro project.\n"
    "Thanks to everyone who built boards, tested firmware, sent bug reports and translations.";

QPlainTextEdit* creditsBox(const char* objectName, const char* text, QWidget* parent) {
    auto* box = new QPlainTextEdit(QString::fromUtf8(text), parent);
    box->setObjectName(QLatin1String(objectName));
    box->setReadOnly(true);
    box->setEnabled(false);
    // Disabled so the credits take no focus or selection, yet drawn as ordinary readable text.
    QPalette palette = box->palette();
    for (const auto role : {QPalette::Text, QPalette::Base}) {
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    }
    box->setPalette(palette);
    return box;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Tavro2"));
    setFixedSize(760, 376);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    button1_ = new QPushButton(projectPageAddress(), panel);
    button1_->setObjectName(QStringLiteral("Button1"));
    connect(button1_, &QPushButton::clicked, this, &TAboutBox::Button1Click);

    auto* credits = new QHBoxLayout;
    credits->addWidget(creditsBox("CreditsRussian", RussianCredits, panel));
    credits->addWidget(creditsBox("CreditsEnglish", EnglishCredits, panel));

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(button1_);
    panelLayout->addLayout(credits);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(okButton_, 0, Qt::AlignHCenter);
}

void TAboutBox::Button1Click() {
    openProjectPage();
}

int showAboutBox(QWidget* parent) {
    TAboutBox box(parent);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box.move(frame.topLeft());
    }
    return uiHost().execDialog(box);
}
