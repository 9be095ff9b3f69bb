#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QMenuBar>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "support/fifo_guard.h"
#include "ui/stop_signals.h"
#include "ui/window_startup.h"
#include "window_fixture.h"

namespace tessaro::test {

namespace {

void settle() {
    QCoreApplication::sendPostedEvents();
}

// The name of the command that a spied commandRequested signal carried.
QString commandName(const QList<QVariant>& signalArguments) {
    return QString::fromLatin1(QMetaEnum::fromType<MainWindow::Command>().valueToKey(
        static_cast<int>(signalArguments.at(0).value<MainWindow::Command>())));
}

// What `work` writes to standard error, which is held in a file meanwhile.
std::string standardErrorOf(const std::function<void()>& work) {
    FILE* held = std::tmpfile();
    const int saved = dup(STDERR_FILENO);
    fflush(stderr);
    dup2(fileno(held), STDERR_FILENO);
    work();
    fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::string text(static_cast<size_t>(std::ftell(held)), '\0');
    std::rewind(held);
    text.resize(std::fread(text.data(), 1, text.size(), held));
    std::fclose(held);
    return text;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void freshStartShowsDefaultsAndSavesFullFile() {
        WindowFixture fixture;
        fixture.start();
        MainWindow& window = fixture.window();
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("Brimvale ICO to JPG 2.7"));
        QCOMPARE(window.size(), QSize(510, 260));
        QCOMPARE(window.inputField->text(), QString());
        // Without a history the folder list holds one empty item, not selected.
        QCOMPARE(window.outputFolderList->count(), 1);
        QCOMPARE(window.outputFolderList->currentIndex(), -1);
        QCOMPARE(window.outputFormatList->count(), 1);
        QCOMPARE(window.outputFormatList->currentText(), QStringLiteral("JPG (JPEG File Format)"));
        QCOMPARE(window.statusField->text(), QString());

        QVERIFY(shutDownWindowMode(fixture.mode));
        const std::string saved = fixture.readConfig();
        QVERIFY(saved.starts_with("\xEF\xBB\xBF\r\n[General]\r\nCFG = 17\r\n"));
        QVERIFY(saved.ends_with("[Privacy]\r\nClean Recent Files = 0\r\n; \r\n"));
        QCOMPARE(fixture.configLine("Width"), std::string("Width = 510"));
        QCOMPARE(fixture.configLine("Height"), std::string("Height = 260"));
        QCOMPARE(fixture.configLine("X"), "X = " + std::to_string(window.x()));
        QCOMPARE(fixture.configLine("Format"), std::string("Format = ico"));
    }

    // A config.ini that cannot be read keeps whatever it holds: the window
    // mode starts with the defaults, says why on standard error and leaves
    // the file alone when it closes.
    void unreadableConfigIsNeitherWaitedOnNorReplaced() {
        WindowFixture fixture;
        const std::filesystem::path config = fixture.configFile();
        std::filesystem::create_directories(config.parent_path());
        QCOMPARE(mkfifo(config.c_str(), 0600), 0);
        std::string warnings;
        QVERIFY(endsWithoutAWriter(config,
                                   [&] { warnings = standardErrorOf([&] { fixture.start(); }); }));
        QVERIFY2(warnings.find("Warning: " + config.string() +
                               " cannot be read (not a regular file): the defaults are used and "
                               "the file is left unchanged\n") != std::string::npos,
                 warnings.c_str());
        QCOMPARE(fixture.window().size(), QSize(510, 260));
        QVERIFY(!shutDownWindowMode(fixture.mode));
        QVERIFY(std::filesystem::is_fifo(config));
    }

    void startWithConfigTakesItsGeometryAndHistory() {
        WindowFixture fixture;
        fixture.writeConfig(
            "\xEF\xBB\xBF\r\n[General]\r\nCFG = 17\r\nSave Window Position = 1\r\n"
            "[Window]\r\nIsMaximized = 0\r\nWidth = 700\r\nHeight = 400\r\nX = 20\r\nY = 30\r\n"
            "[File]\r\nRecent Out Folders = /tmp/first/\t/tmp/second/\r\n");
        fixture.start();
        MainWindow& window = fixture.window();
        // Only the width can differ from 260 x 510 at least.
        QCOMPARE(window.size(), QSize(700, 260));
        QCOMPARE(window.outputFolderList->count(), 2);
        QCOMPARE(window.outputFolderList->itemText(1), QStringLiteral("/tmp/second/"));
        QCOMPARE(window.outputFolderList->currentIndex(), -1);

        QVERIFY(shutDownWindowMode(fixture.mode));
        const std::string saved = fixture.readConfig();
        QCOMPARE(fixture.configLine("Width"), std::string("Width = 700"));
        QCOMPARE(fixture.configLine("Height"), std::string("Height = 260"));
        QCOMPARE(fixture.configLine("Recent Out Folders"),
                 std::string("Recent Out Folders = /tmp/first/\t/tmp/second/"));
    }

    void historyIsEmptiedOnExitWhenNotKept() {
        WindowFixture fixture;
        fixture.writeConfig(
            "\xEF\xBB\xBF\r\n[General]\r\nCFG = 17\r\n[Advanced]\r\nOut Folders History = 0\r\n"
            "[File]\r\nRecent Out Folders = /tmp/first/\r\n");
        fixture.start();
        QVERIFY(shutDownWindowMode(fixture.mode));
        QCOMPARE(fixture.configLine("Recent Out Folders"), std::string("Recent Out Folders = "));
    }

    void onlyTheWidthChangesAndButtonsFollowTheRightEdge() {
        WindowFixture fixture;
        fixture.start();
        MainWindow& window = fixture.window();
        settle();
        // As created and laid out at 510 wide.
        QCOMPARE(window.fieldButtons[0]->geometry(), QRect(364, 19, 24, 24));
        QCOMPARE(window.convertButton->geometry(), QRect(400, 20, 100, 100));

        window.resize(800, 400);
        settle();
        QCOMPARE(window.size(), QSize(800, 260));
        QCOMPARE(window.inputField->geometry(), QRect(10, 20, 640, 20));
        QCOMPARE(window.outputFolderList->geometry(), QRect(10, 60, 640, 21));
        QCOMPARE(window.outputFormatList->geometry(), QRect(10, 100, 640, 21));
        QCOMPARE(window.fieldButtons[0]->geometry(), QRect(654, 19, 24, 24));
        QCOMPARE(window.fieldButtons[1]->geometry(), QRect(654, 59, 24, 24));
        QCOMPARE(window.fieldButtons[2]->geometry(), QRect(654, 99, 24, 24));
        QCOMPARE(window.convertButton->geometry(), QRect(690, 20, 100, 100));
        QCOMPARE(window.container->geometry().topLeft(), QPoint(0, window.toolbarHeight));
        QCOMPARE(window.inputLabel->geometry(), QRect(10, 5, 350, 20));

        window.resize(300, 100);
        settle();
        QCOMPARE(window.size(), QSize(510, 260));
        QCOMPARE(window.fieldButtons[2]->x(), 364);
    }

    void controlsAreInsideTheWindow() {
        WindowFixture fixture;
        fixture.start();
        MainWindow& window = fixture.window();
        settle();
        const QRect inner = window.rect();
        for (QWidget* control : {static_cast<QWidget*>(window.convertButton),
                                 static_cast<QWidget*>(window.copyrightLabel),
                                 static_cast<QWidget*>(window.fieldButtons[2]),
                                 static_cast<QWidget*>(window.outputFormatList)}) {
            const QRect placed(control->mapTo(&window, QPoint(0, 0)), control->size());
            QVERIFY2(inner.contains(placed), qPrintable(control->metaObject()->className()));
            QVERIFY(!placed.intersects(window.statusBar()->geometry()));
        }
    }

    void menusCarryTheirCommandsAndShortcutTexts() {
        WindowFixture fixture;
        fixture.start();
        MainWindow& window = fixture.window();
        QSignalSpy commands(&window, &MainWindow::commandRequested);
        QStringList seen;
        for (QAction* menuAction : window.menuBar()->actions()) {
            seen.append(QStringLiteral("[") + menuAction->text() + QStringLiteral("]"));
            for (QAction* item : menuAction->menu()->actions()) {
                if (item->isSeparator()) {
                    seen.append(QStringLiteral("-"));
                    continue;
                }
                item->trigger();
                seen.append(item->text() + QLatin1Char('=') + commandName(commands.takeLast()));
            }
        }
        const QStringList expected = {"[File]",
                                      "New\tCtrl+N=newJob",
                                      "-",
                                      "Add Input File...=selectInputFile",
                                      "Select Output Folder...=selectOutputFolder",
                                      "-",
                                      "Exit\tAlt+X=exit",
                                      "[Converter]",
                                      "Convert\tF5=convert",
                                      "-",
                                      "Find a File Converter...=customConverter",
                                      "-",
                                      "Preferences...=preferences",
                                      "[Help]",
                                      "User Manual...\tF1=manual",
                                      "-",
                                      "Send Feedback=sendFeedback",
                                      "Visit the Program's Homepage=visitHomepage",
                                      "Check For a New Version=checkForNewVersion",
                                      "-",
                                      "About...=about"};
        QCOMPARE(seen, expected);
    }

    void toolbarAndFieldButtonsCarryTheirCommands() {
        WindowFixture fixture;
        fixture.start();
        MainWindow& window = fixture.window();
        QSignalSpy commands(&window, &MainWindow::commandRequested);
        QStringList seen;
        for (QAction* button : window.mainToolbar->actions()) {
            if (button->isSeparator()) {
                seen.append(QStringLiteral("-"));
                continue;
            }
            button->trigger();
            seen.append(button->toolTip() + QLatin1Char('=') + commandName(commands.takeLast()));
        }
        const QStringList expected = {"New=newJob",
                                      "Add Input File...=selectInputFile",
                                      "Select Output Folder...=selectOutputFolder",
                                      "-",
                                      "Preferences...=preferences",
                                      "-",
                                      "Convert=convert",
                                      "-",
                                      "User Manual...=manual",
                                      "Send Feedback=sendFeedback",
                                      "Visit the Program's Homepage=visitHomepage",
                                      "Check For a New Version=checkForNewVersion"};
        QCOMPARE(seen, expected);

        QStringList fieldButtons;
        for (QToolBar* button : window.fieldButtons) {
            QCOMPARE(button->actions().size(), 1);
            button->actions().front()->trigger();
            fieldButtons.append(button->actions().front()->toolTip() + QLatin1Char('=') +
                                commandName(commands.takeLast()));
        }
        QCOMPARE(fieldButtons, QStringList({"Add Input File...=selectInputFile",
                                            "Select Output Folder...=selectOutputFolder",
                                            "Options...=outputFormatOptions"}));
    }

    void keyboardShortcutsReportTheirCommands() {
        WindowFixture fixture;
        fixture.start();
        MainWindow& window = fixture.window();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy commands(&window, &MainWindow::commandRequested);
        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_F5);
        QTest::keyClick(&window, Qt::Key_F1);
        QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
        using Command = MainWindow::Command;
        QList<Command> received;
        for (const QList<QVariant>& call : commands)
            received.append(call.at(0).value<Command>());
        QCOMPARE(received, QList<Command>({Command::newJob, Command::convert, Command::manual,
                                           Command::exit}));
        // Exit closes the window as its close box does.
        QVERIFY(!window.isVisible());
    }

    void geometryCaptureKeepsNormalSizeOfMaximisedWindow_data() {
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<int>("storedMaximized");
        QTest::addColumn<int>("storedWidth");
        QTest::addColumn<int>("storedX");
        QTest::newRow("normal") << false << false << 0 << 900 << 40;
        QTest::newRow("maximised") << true << false << 1 << 600 << 15;
        QTest::newRow("minimised") << false << true << 0 << 600 << 15;
    }

    void geometryCaptureKeepsNormalSizeOfMaximisedWindow() {
        QFETCH(bool, maximized);
        QFETCH(bool, minimized);
        QFETCH(int, storedMaximized);
        QFETCH(int, storedWidth);
        QFETCH(int, storedX);
        WindowSettings stored;
        stored.width = 600;
        stored.x = 15;
        captureWindowGeometry(stored, {maximized, minimized, 40, 50, 900, 260});
        QCOMPARE(static_cast<int>(stored.isMaximized), storedMaximized);
        QCOMPARE(stored.width, storedWidth);
        QCOMPARE(stored.x, storedX);
    }

    // Each stop signal reaches the watcher's callback through the event loop,
    // not the default action that would end the test process.
    void stopSignalsReachTheWatcher() {
        int stops = 0;
        const StopSignalWatcher watcher([&stops] { ++stops; });
        QVERIFY(watcher.active());
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            const int before = stops;
            std::raise(signal);
            QTRY_COMPARE(stops, before + 1);
        }
    }
};

namespace {
const bool registered = registerUiTest<MainWindowTest>();
}

}  // namespace tessaro::test

#include "main_window_qtest.moc"
