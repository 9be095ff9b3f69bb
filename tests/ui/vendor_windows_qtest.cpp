#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "l10n/string_table.h"
#include "settings/local_time.h"
#include "ui/about_window.h"
#include "ui/converter_window.h"
#include "ui/main_commands.h"
#include "ui/uninstall_window.h"
#include "ui/update_commands.h"
#include "ui/window_startup.h"
#include "update/manual_location.h"
#include "window_fixture.h"

namespace tessaro::test {

namespace {

const std::string emptyExtensionsWarning =
    "warning|Warning|Please, fill all required fields and try again!";

// Clicks the link text at the left end of a link label.
void clickLink(QLabel& link) {
    QTest::mouseClick(&link, Qt::LeftButton, Qt::NoModifier, QPoint(4, link.height() / 2));
}

// The line of config.ini that holds `key`, without its line end.
std::string configValue(const std::string& text, const std::string& key) {
    const size_t start = text.find("\r\n" + key + " = ");
    if (start == std::string::npos)
        return {};
    const size_t value = start + 2 + key.size() + 3;
    return text.substr(value, text.find("\r\n", value) - value);
}

}  // namespace

class VendorWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void helpCommandsOpenManualMailAndProductPage() {
        WindowFixture fixture;
        fixture.start();
        runMainCommand(fixture.mode, MainWindow::Command::manual);
        runMainCommand(fixture.mode, MainWindow::Command::sendFeedback);
        runMainCommand(fixture.mode, MainWindow::Command::visitHomepage);
        QCOMPARE(fixture.opened.size(), size_t(3));
        // The build lays the manual out beside the test programs.
        QVERIFY(!manualPath().empty());
        QCOMPARE(fixture.opened[0], manualPath());
        QCOMPARE(fixture.opened[1],
                 std::string("mailto:support@brimvale.example"
                             "?subject=Brimvale%20ICO%20to%20JPG%202.7%20Feedback"));
        QCOMPARE(fixture.opened[2], std::string("http://www.brimvale.example/tessaro/"));
    }

    void aboutWindowShowsTheProductAndClosesOnOkReturnAndEscape_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("OK button") << 0;
        QTest::newRow("Return") << 1;
        QTest::newRow("Escape") << 2;
        QTest::newRow("close box") << 3;
    }

    void aboutWindowShowsTheProductAndClosesOnOkReturnAndEscape() {
        QFETCH(int, way);
        WindowFixture fixture;
        fixture.start();
        QPointer<AboutWindow> about = openAboutWindow(fixture.mode);
        QVERIFY(about->isVisible());
        QVERIFY(about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("About..."));
        QCOMPARE(about->size(), QSize(360, 240));
        QCOMPARE(about->titleLabel->text(), QStringLiteral("Brimvale ICO to JPG 2.7"));
        QCOMPARE(about->banner->pixmap().size(), QSize(360, 40));
        QVERIFY(about->webLink->text().contains("http://www.brimvale.example/"));
        QVERIFY(about->mailLink->text().contains("support@brimvale.example"));
        QVERIFY(about->webLink->text().contains("#0000ff"));

        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        switch (way) {
            case 0:
                QTest::mouseClick(about->okButton, Qt::LeftButton);
                break;
            case 1:
                QTest::keyClick(about, Qt::Key_Return);
                break;
            case 2:
                QTest::keyClick(about, Qt::Key_Escape);
                break;
            default:
                about->close();
                break;
        }
        // The window deletes itself once closed.
        QTRY_VERIFY(about.isNull());
        QVERIFY(fixture.opened.empty());
    }

    void aboutLinksOpenAndTheWindowStays() {
        WindowFixture fixture;
        fixture.start();
        AboutWindow* about = openAboutWindow(fixture.mode);
        clickLink(*about->mailLink);
        clickLink(*about->webLink);
        QCOMPARE(fixture.opened, std::vector<std::string>({"mailto:support@brimvale.example",
                                                           "http://www.brimvale.example/"}));
        QVERIFY(about->isVisible());
        about->close();
    }

    void extensionsAreCutToTwelveThenCleaned_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blank, dot, upper case, blank") << " .ICO "
                                                       << "ico";
        QTest::newRow("plain") << "jpg"
                               << "jpg";
        QTest::newRow("twenty letters") << "abcdefghijklmnopqrst"
                                        << "abcdefghijkl";
        // The cut comes first: blanks count among the twelve characters.
        QTest::newRow("blanks count before the cut") << "   .abcdefghijkl"
                                                     << "abcdefgh";
        QTest::newRow("punctuation only") << "..."
                                          << "";
        QTest::newRow("non-ASCII letters dropped") << "\u00e9t\u00e9-2"
                                                   << "t2";
    }

    void extensionsAreCutToTwelveThenCleaned() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(searchExtension(typed)), expected);
    }

    void converterSearchOpensThePageForTheCleanedPair() {
        WindowFixture fixture;
        fixture.start();
        QPointer<ConverterWindow> converter = openCustomConverter(fixture.mode);
        QCOMPARE(converter->windowTitle(), QStringLiteral("Find a File Converter"));
        QCOMPARE(converter->size(), QSize(370, 60));
        converter->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(converter));
        QCOMPARE(QApplication::focusWidget(), converter->fromField);
        QTest::keyClicks(converter->fromField, " .ICO ");
        converter->toField->setText("jpg");
        QTest::keyClick(converter->toField, Qt::Key_Return);
        QCOMPARE(fixture.opened,
                 std::vector<std::string>({"http://www.brimvale.example/find/ico-jpg/"}));
        QTRY_VERIFY(converter.isNull());
    }

    void converterWarnsAboutAnEmptyExtensionAndStaysOpen() {
        WindowFixture fixture;
        fixture.start();
        ConverterWindow* converter = openCustomConverter(fixture.mode);
        converter->fromField->setText("...");
        converter->toField->setText("jpg");
        QTest::mouseClick(converter->searchButton, Qt::LeftButton);
        QCOMPARE(fixture.asked, std::vector<std::string>({emptyExtensionsWarning}));
        QVERIFY(fixture.opened.empty());
        QVERIFY(converter->isVisible());
        QCOMPARE(converter->fromField->text(), QStringLiteral("..."));
        converter->close();
    }

    void converterEscapeClosesWithoutOpening() {
        WindowFixture fixture;
        fixture.start();
        QPointer<ConverterWindow> converter = openCustomConverter(fixture.mode);
        converter->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(converter));
        converter->fromField->setText("png");
        converter->toField->setText("gif");
        QTest::keyClick(converter, Qt::Key_Escape);
        QTRY_VERIFY(converter.isNull());
        QVERIFY(fixture.opened.empty());
        QVERIFY(fixture.asked.empty());
    }

    void uninstallNextOpensThePageOnlyWhenTicked_data() {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("opened");
        QTest::newRow("ticked") << true << 1;
        QTest::newRow("cleared") << false << 0;
    }

    void uninstallNextOpensThePageOnlyWhenTicked() {
        QFETCH(bool, ticked);
        QFETCH(int, opened);
        WindowFixture fixture;
        loadStringTable();
        UninstallWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Uninstall"));
        QCOMPARE(window.visitPageBox->text(),
                 QStringLiteral("Full Uninstall - Visit Uninstall Center"));
        QVERIFY(window.visitPageBox->isChecked());
        window.show();
        if (!ticked)
            QTest::mouseClick(window.visitPageBox, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
        QCOMPARE(window.visitPageBox->isChecked(), ticked);
        QTest::mouseClick(window.nextButton, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(fixture.opened.size(), size_t(opened));
        if (opened == 1)
            QCOMPARE(fixture.opened.front(),
                     std::string("http://www.brimvale.example/tessaro/uninstall.html"));
    }

    void uninstallCloseBoxOpensNothing() {
        WindowFixture fixture;
        loadStringTable();
        UninstallWindow window;
        window.show();
        window.close();
        QVERIFY(fixture.opened.empty());
    }

    void manualCheckReportsEachOutcome_data() {
        QTest::addColumn<QString>("published");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<int>("opened");
        QTest::newRow("newer, accepted")
            << "271" << true
            << "question|New Update|A new version of Brimvale ICO to JPG is available! Are you "
               "ready to download it right now?"
            << 1;
        QTest::newRow("newer, declined") << "300" << false << "question|New Update|" << 0;
        QTest::newRow("same") << "270" << true << "information|No Update|There is no update" << 0;
        QTest::newRow("unreachable")
            << "" << true << "error|Error|Internet connection problems!" << 0;
    }

    void manualCheckReportsEachOutcome() {
        QFETCH(QString, published);
        QFETCH(bool, answer);
        QFETCH(QString, asked);
        QFETCH(int, opened);
        WindowFixture fixture;
        fixture.start();
        fixture.publishedVersion = published.toStdString();
        fixture.questionAnswer = answer;
        const std::string before = fixture.readConfig();
        const int32_t updateDate = fixture.settings.general.updateDate;
        runMainCommand(fixture.mode, MainWindow::Command::checkForNewVersion);
        QCOMPARE(fixture.asked.size(), size_t(1));
        QVERIFY2(fixture.asked.front().starts_with(asked.toStdString()),
                 fixture.asked.front().c_str());
        QCOMPARE(fixture.opened.size(), size_t(opened));
        if (opened == 1)
            QCOMPARE(fixture.opened.front(), std::string("http://www.brimvale.example/tessaro/"));
        // A manual check leaves the schedule alone.
        QCOMPARE(fixture.settings.general.updateDate, updateDate);
        QCOMPARE(fixture.readConfig(), before);
    }

    // The version is published only once the window's thread has handled a
    // timer event; a check that blocks that thread waits in vain, as for
    // name servers that do not answer, and reads no version.
    void windowHandlesEventsWhileTheCheckRuns() {
        WindowFixture fixture;
        fixture.start();
        std::atomic<bool> ticked = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&ticked] { ticked = true; });
        timer.start(10);
        publishedVersionSource() = [&ticked] {
            for (int wait = 0; wait < 500 && !ticked; ++wait)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            return ticked ? std::string("271") : std::string();
        };
        runMainCommand(fixture.mode, MainWindow::Command::checkForNewVersion);
        QCOMPARE(fixture.asked.size(), size_t(1));
        QVERIFY2(fixture.asked.front().starts_with("question|New Update|"),
                 fixture.asked.front().c_str());
    }

    void startUpAsksWhenTheScheduleIsDueAndResetsIt_data() {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("questions");
        QTest::newRow("weekly, eight days old, yes") << 1 << 8 << true << 2;
        QTest::newRow("weekly, eight days old, no") << 1 << 8 << false << 1;
        QTest::newRow("weekly, six days old") << 1 << 6 << true << 0;
        QTest::newRow("never") << 5 << 400 << true << 0;
    }

    void startUpAsksWhenTheScheduleIsDueAndResetsIt() {
        QFETCH(int, range);
        QFETCH(int, daysAgo);
        QFETCH(bool, answer);
        QFETCH(int, questions);
        WindowFixture fixture;
        const int64_t stored = int64_t(currentLocalTimestamp()) - int64_t(daysAgo) * 86400;
        fixture.writeConfig(
            "\xEF\xBB\xBF\r\n[General]\r\nCFG = 17\r\nUpdate Range = " + std::to_string(range) +
            "\r\nUpdate Date = " + std::to_string(stored) + "\r\n");
        fixture.publishedVersion = "270";
        fixture.questionAnswer = answer;
        const int64_t started = currentLocalTimestamp();
        fixture.start();
        QCOMPARE(fixture.asked.size(), size_t(questions));
        if (questions > 0)
            QCOMPARE(fixture.asked.front(), std::string("question|Check for Updates|Do you want to "
                                                        "check for updates?"));
        if (questions > 1)
            QVERIFY(fixture.asked[1].starts_with("information|No Update|"));
        QVERIFY(shutDownWindowMode(fixture.mode));
        const int64_t saved = std::stoll(configValue(fixture.readConfig(), "Update Date"));
        if (questions > 0)
            QVERIFY(saved >= started);
        else
            QCOMPARE(saved, stored);
    }
};

namespace {
const bool registered = registerUiTest<VendorWindowsTest>();
}

}  // namespace tessaro::test

#include "vendor_windows_qtest.moc"
