#pragma once
// The tab bar of a page control: Qt draws it unless the control has a tab painter, in which
// case each visible tab is drawn by the control.

#include <QTabBar>

class TWkPageControl;

class TWkPageTabBar final : public QTabBar {
public:
    explicit TWkPageTabBar(TWkPageControl& owner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TWkPageControl& owner_;
};
