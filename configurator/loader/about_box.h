#pragma once
// The about box: the project page's address on a full-width button that opens it, the credits
// in Russian and in English, and an OK button.

#include <QDialog>

class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QPushButton* addressButton() const { return button1_; }
    QPushButton* okButton() const { return okButton_; }

private:
    void Button1Click();

    QPushButton* button1_;
    QPushButton* okButton_;
};

// Shows a new about box over parent, centred on the screen, modally through the UI host, and frees
// it when it closes, so the caller keeps no reference to it. Returns the box's result (1 after OK).
int showAboutBox(QWidget* parent);
