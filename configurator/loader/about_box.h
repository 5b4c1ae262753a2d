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

// Opens a new about box modally over parent, centred on the screen, and returns at once; the box
// deletes itself when closed, so the caller keeps no reference to it.
TAboutBox* showAboutBox(QWidget* parent);
