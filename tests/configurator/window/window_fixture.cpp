#include "tests/configurator/window/window_fixture.h"

#include <QApplication>

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "window_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt must not be torn down among the exit-time destructors.
    static auto* application = new QApplication(argc, argv);
    Q_UNUSED(application);
}

void WindowTest::SetUp() {
    EnsureApplication();
    hostGuard = std::make_unique<ScopedUiHost>(host);
    ASSERT_TRUE(folder.isValid());
}

void WindowTest::TearDown() {
    form.reset();
    hostGuard.reset();
}

TMForm& WindowTest::Open() {
    form = std::make_unique<TMForm>(folder.path());
    return *form;
}
