#pragma once
// Runs a scope under the classic style, where themes are off, then restores the style.

#include <QApplication>
#include <QStyle>

class ClassicStyle {
public:
    ClassicStyle() : previous(QApplication::style()->name()) { QApplication::setStyle("Windows"); }
    ~ClassicStyle() { QApplication::setStyle(previous); }
    ClassicStyle(const ClassicStyle&) = delete;
    ClassicStyle& operator=(const ClassicStyle&) = delete;

private:
    QString previous;
};
