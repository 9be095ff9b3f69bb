#include <QApplication>
#include <QTest>
#include <memory>

#include "window_fixture.h"

int main(int argc, char** argv) {
    // The tests need no display; the window mode's widgets draw offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int failures = 0;
    for (const auto& makeTestClass : tessaro::test::uiTestClasses()) {
        const std::unique_ptr<QObject> testClass(makeTestClass());
        failures += QTest::qExec(testClass.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
