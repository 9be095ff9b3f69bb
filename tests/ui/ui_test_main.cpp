#include <QApplication>
#include <QTest>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "window_fixture.h"

// Runs the QtTest class named by the first argument, or every class when the
// first argument is missing or a QtTest option; the remaining arguments go to
// QtTest.
int main(int argc, char** argv) {
    // The tests need no display; the window mode's widgets draw offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::vector<char*> testArguments(argv, argv + argc);
    std::string_view wanted;
    if (argc > 1 && argv[1][0] != '-') {
        wanted = argv[1];
        testArguments.erase(testArguments.begin() + 1);
    }
    int failures = 0;
    bool found = false;
    for (const auto& testClass : tessaro::test::uiTestClasses()) {
        if (!wanted.empty() && testClass.name != wanted)
            continue;
        found = true;
        const std::unique_ptr<QObject> test(testClass.make());
        failures +=
            QTest::qExec(test.get(), static_cast<int>(testArguments.size()), testArguments.data());
    }
    if (!found) {
        std::fprintf(stderr, "No QtTest class is named %.*s\n", static_cast<int>(wanted.size()),
                     wanted.data());
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
