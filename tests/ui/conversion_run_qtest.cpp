#include <FreeImage.h>

#include <QTest>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "engine/output_depth.h"
#include "settings/setting_codes.h"
#include "ui/conversion_run.h"
#include "ui/folder_history.h"
#include "ui/main_commands.h"
#include "ui/progress_window.h"
#include "ui/qt_text.h"
#include "ui/selection.h"
#include "window_fixture.h"

namespace tessaro::test {

namespace {

namespace fs = std::filesystem;

constexpr int runTimeout = 20000;

// Holds the worker inside its first file until the test opens the gate or
// the run is asked to stop, so a test can act while a file is in hand.
struct Gate {
    std::atomic<bool> open = false;
    JobProgress* progress = nullptr;
};
Gate gate;

ConversionResult gatedConversion(const Settings& settings, const ConversionRequest& request,
                                 const WatermarkFont* font) {
    while (!gate.open.load() && gate.progress->running.load() != 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return convertImageFile(settings, request, font);
}

void chooseOutputFolder(MainWindow& window, const std::string& folder) {
    window.outputFolderList->addItem(toQString(folder));
    window.outputFolderList->setCurrentIndex(window.outputFolderList->count() - 1);
}

bool isJpeg(const fs::path& path) {
    return FreeImage_GetFileType(path.c_str(), 0) == FIF_JPEG;
}

std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

const std::string emptyInputMessage =
    "warning|Warning|No input file(s) found. Please, add valid file(s) and try again!";

}  // namespace

class ConversionRunTest : public QObject {
    Q_OBJECT

private slots:
    void init() { gate.open = false; }

    // Each refusal shows its warning, writes nothing, opens no progress
    // window, leaves the folder history as it was and says in the status bar
    // that the run stopped.
    void everyCheckHasItsMessage() {
        struct Case {
            const char* name;
            std::function<void(WindowFixture&)> arrange;
            std::function<std::string(WindowFixture&)> message;
        };
        const auto input = [](WindowFixture& fixture) {
            fixture.window().inputField->setText(toQString(fixture.makeIcon("in/a.ico")));
            chooseOutputFolder(fixture.window(), fixture.makeFolder("out"));
        };
        const auto fixed = [](std::string text) { return [text](WindowFixture&) { return text; }; };
        const auto textWatermarkAt = [&input](int32_t points) {
            return [&input, points](WindowFixture& fixture) {
                input(fixture);
                fixture.settings.watermark.doWatermark = storedCode(WatermarkType::text);
                fixture.settings.watermark.fontSize = points;
            };
        };
        const Case cases[] = {
            {"empty input field", [](WindowFixture&) {}, fixed(emptyInputMessage)},
            {"input of a refused extension",
             [&](WindowFixture& fixture) {
                 input(fixture);
                 fixture.window().inputField->setText(toQString(fixture.makeFile("in/a.png")));
             },
             fixed(emptyInputMessage)},
            {"missing output folder, quoted with its added slash",
             [&](WindowFixture& fixture) {
                 input(fixture);
                 chooseOutputFolder(fixture.window(), (fixture.root() / "missing").string());
             },
             [](WindowFixture& fixture) {
                 return "warning|Warning|The following output folder is invalid or doesn't "
                        "exist:\n" +
                        (fixture.root() / "missing").string() +
                        "/\n\nPlease, correct the output path and try again!";
             }},
            {"resize width 0",
             [&](WindowFixture& fixture) {
                 input(fixture);
                 fixture.settings.transform.doImageResize = 1;
                 fixture.settings.transform.imageHeight = 10;
             },
             fixed("warning|Warning|Invalid resize width value!")},
            {"resize height 0 with the aspect ratio kept",
             [&](WindowFixture& fixture) {
                 input(fixture);
                 fixture.settings.transform.doImageResize = 1;
                 fixture.settings.transform.imageWidth = 10;
                 fixture.settings.transform.keepAspectRatio = 1;
             },
             fixed("warning|Warning|Invalid resize height value!")},
            {"watermark font that cannot be loaded",
             [&](WindowFixture& fixture) {
                 input(fixture);
                 fixture.settings.watermark.doWatermark = storedCode(WatermarkType::text);
                 fixture.settings.watermark.font = "Nosuchface Tessaroid";
             },
             fixed("warning|Warning|Unable to load selected font for a watermark: Nosuchface "
                   "Tessaroid\nThe font \"Nosuchface Tessaroid\" is not installed")},
            {"watermark font size 0", textWatermarkAt(0),
             fixed("warning|Warning|Unable to load selected font for a watermark: Arial\nThe "
                   "font size 0 cannot be drawn")},
            {"watermark font size 99999", textWatermarkAt(99999),
             fixed("warning|Warning|Unable to load selected font for a watermark: Arial\nThe "
                   "font size 99999 cannot be drawn")},
            {"empty watermark image",
             [&](WindowFixture& fixture) {
                 input(fixture);
                 fixture.settings.watermark.doWatermark = storedCode(WatermarkType::picture);
                 fixture.settings.watermark.image.clear();
             },
             fixed("warning|Warning|Selected watermark image is invalid/empty!")},
        };
        for (const Case& row : cases) {
            WindowFixture fixture;
            fixture.start();
            row.arrange(fixture);
            const std::string history = fixture.settings.file.recentOutFolders;
            fixture.window().convertButton->click();
            QVERIFY2(activeProgressWindow(fixture.mode) == nullptr, row.name);
            QCOMPARE(fixture.asked, std::vector<std::string>{row.message(fixture)});
            QCOMPARE(fixture.window().statusField->text(), QStringLiteral("Conversion stopped"));
            QCOMPARE(fixture.settings.file.recentOutFolders, history);
            if (fs::exists(fixture.root() / "out"))
                QVERIFY2(filesIn(fixture.root() / "out").empty(), row.name);
        }
    }

    // A missing file, a folder and an empty file are all unusable pictures.
    void unusableWatermarkImageIsNamed() {
        WindowFixture fixture;
        fixture.start();
        fixture.window().inputField->setText(toQString(fixture.makeIcon("in/a.ico")));
        chooseOutputFolder(fixture.window(), fixture.makeFolder("out"));
        fixture.settings.watermark.doWatermark = storedCode(WatermarkType::picture);
        for (const std::string& image :
             {(fixture.root() / "none.png").string(), fixture.makeFolder("pictures"),
              fixture.makeFile("empty.png", 0)}) {
            fixture.asked.clear();
            fixture.settings.watermark.image = image;
            runMainCommand(fixture.mode, MainWindow::Command::convert);
            QCOMPARE(
                fixture.asked,
                std::vector<std::string>{
                    "warning|Warning|Unable to load selected file as a watermark image: " + image});
            QVERIFY(activeProgressWindow(fixture.mode) == nullptr);
        }
    }

    // A typed path is taken as a dropped one: when the field is left, or at
    // the latest at Convert, its folder becomes the output folder.
    void typedInputChoosesItsFolder() {
        for (const bool leaveField : {true, false}) {
            WindowFixture fixture;
            fixture.start();
            MainWindow& window = fixture.window();
            const std::string icon = fixture.makeIcon("in/a.ico");
            window.inputField->setText(toQString(icon));
            if (leaveField) {
                emit window.inputField->editingFinished();
                QCOMPARE(window.outputFolderList->currentText(),
                         toQString((fixture.root() / "in/").string()));
                QVERIFY(activeProgressWindow(fixture.mode) == nullptr);
            }
            window.convertButton->click();
            QVERIFY2(fixture.asked.empty(), fixture.asked.empty() ? "" : fixture.asked[0].c_str());
            ProgressWindow* progressWindow = activeProgressWindow(fixture.mode);
            QVERIFY(progressWindow != nullptr);
            QTRY_COMPARE_WITH_TIMEOUT(progressWindow->fileLabel->text(),
                                      QStringLiteral("Files converted: 1 of 1"), runTimeout);
            QVERIFY(isJpeg(fixture.root() / "in/a.jpg"));
            QCOMPARE(recentOutputFolder(fixture.settings, 0), (fixture.root() / "in/").string());
            QTest::mouseClick(progressWindow->okButton, Qt::LeftButton);
            QTRY_VERIFY(activeProgressWindow(fixture.mode) == nullptr);
        }
    }

    void iconIsConvertedThroughTheProgressWindow() {
        WindowFixture fixture;
        fixture.start();
        MainWindow& window = fixture.window();
        QVERIFY(acceptInputFile(fixture.mode, fixture.makeIcon("in/a.ico")));
        const std::string outFolder = fixture.makeFolder("out");
        // Typed without its trailing slash, the folder is used with one.
        chooseOutputFolder(window, outFolder.substr(0, outFolder.size() - 1));
        window.convertButton->click();

        ProgressWindow* progressWindow = activeProgressWindow(fixture.mode);
        QVERIFY(progressWindow != nullptr);
        QCOMPARE(progressWindow->windowModality(), Qt::WindowModal);
        QCOMPARE(progressWindow->size(), QSize(300, 110));
        QCOMPARE(progressWindow->fileLabel->geometry(), QRect(10, 13, 280, 20));
        QCOMPARE(progressWindow->progressBar->geometry(), QRect(10, 40, 280, 20));
        QCOMPARE(progressWindow->okButton->geometry(), QRect(110, 75, 80, 25));
        QCOMPARE(progressWindow->progressBar->maximum(), 2);
        QVERIFY(progressWindow->okButton->isDefault());

        QTRY_COMPARE_WITH_TIMEOUT(progressWindow->fileLabel->text(),
                                  QStringLiteral("Files converted: 1 of 1"), runTimeout);
        QCOMPARE(progressWindow->windowTitle(), QStringLiteral("Conversion complete (1/1)"));
        QCOMPARE(window.statusField->text(), QStringLiteral("Conversion complete"));
        QCOMPARE(progressWindow->progressBar->value(), 2);
        QVERIFY(progressWindow->okButton->isEnabled());
        QVERIFY(!progressWindow->failureList->isVisible());
        QVERIFY(isJpeg(fs::path(outFolder) / "a.jpg"));
        QCOMPARE(recentOutputFolder(fixture.settings, 0), outFolder);
        QCOMPARE(window.outputFolderList->currentText(), toQString(outFolder));
        QVERIFY(fixture.asked.empty());

        QTest::mouseClick(progressWindow->okButton, Qt::LeftButton);
        QTRY_VERIFY(activeProgressWindow(fixture.mode) == nullptr);
        QCOMPARE(window.statusField->text(), QStringLiteral("Conversion complete"));
    }

    // A page that could not be saved is listed with its reason below the end
    // line, which stays as it is; the window grows to show the list.
    void failedPageShowsWhy() {
        WindowFixture fixture;
        fixture.start();
        ProgressWindow* progressWindow = startGatedRun(fixture, {fixture.makeIcon("in/a.ico")});
        const fs::path taken = fixture.root() / "out" / "a.jpg";
        fs::create_directory(taken);
        gate.open = true;
        QTRY_COMPARE_WITH_TIMEOUT(progressWindow->fileLabel->text(),
                                  QStringLiteral("Files converted: 0 of 1"), runTimeout);
        QVERIFY(progressWindow->failureList->isVisible());
        QCOMPARE(progressWindow->failureList->toPlainText(),
                 toQString(taken.string() + ": Is a directory"));
        QCOMPARE(progressWindow->okButton->geometry(), QRect(110, 180, 80, 25));
        QCOMPARE(progressWindow->size(), QSize(300, 215));
        QVERIFY(progressWindow->okButton->isEnabled());
        QCOMPARE(filesIn(fixture.root() / "out"), std::vector<std::string>{"a.jpg"});
    }

    // The stop question holds the run; No lets it finish, Yes ends it after
    // the file in hand. Three files below a long folder of wide letters
    // show the path shortened to the label's width while the first is in
    // hand.
    void stopQuestion_data() {
        QTest::addColumn<bool>("answer");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }

    void stopQuestion() {
        QFETCH(bool, answer);
        WindowFixture fixture;
        fixture.start();
        const std::string folder = "in/" + std::string(60, 'W');
        const std::vector<std::string> icons = {fixture.makeIcon(folder + "/a.ico"),
                                                fixture.makeIcon(folder + "/b.ico"),
                                                fixture.makeIcon(folder + "/c.ico")};
        ProgressWindow* progressWindow = startGatedRun(fixture, icons);

        QTRY_COMPARE_WITH_TIMEOUT(progressWindow->windowTitle(), QStringLiteral("Converting (1/3)"),
                                  runTimeout);
        const QLabel* fileLabel = progressWindow->fileLabel;
        const QString label = fileLabel->text();
        const QString path = toQString(icons[0]);
        QVERIFY2(fileLabel->fontMetrics().horizontalAdvance(label) <= fileLabel->width(),
                 qPrintable(label));
        QCOMPARE(label, shortenMiddle(path, static_cast<int>(label.size())));
        // Shortened no more than it takes: one more character at each end overflows.
        QVERIFY(fileLabel->fontMetrics().horizontalAdvance(
                    shortenMiddle(path, static_cast<int>(label.size()) + 2)) > fileLabel->width());
        QVERIFY(label.contains(QStringLiteral("...")));
        QVERIFY(!progressWindow->okButton->isEnabled());

        // A second Convert while the run goes on starts nothing, and a drop
        // leaves the job that the worker reads as it is.
        runMainCommand(fixture.mode, MainWindow::Command::convert);
        QCOMPARE(fixture.window().findChildren<ProgressWindow*>().size(), qsizetype(1));
        dropFiles(fixture.window(), {fixture.makeIcon("dropped/d.ico")});
        QCOMPARE(fixture.job.inputFiles.size(), size_t(3));
        QVERIFY(fixture.window().inputField->text().isEmpty());

        bool heldDuringQuestion = false;
        userDialogs().warningQuestion = [&](QWidget*, const QString& title, const QString& text) {
            fixture.asked.push_back("warningQuestion|" + toUtf8(title) + "|" + toUtf8(text));
            heldDuringQuestion = fixture.progress.paused.load() == 1;
            gate.open = true;
            return answer;
        };
        progressWindow->close();
        QCOMPARE(fixture.asked,
                 std::vector<std::string>{
                     "warningQuestion|Warning|Do you want to break the conversion?"});
        QVERIFY(heldDuringQuestion);
        QVERIFY(progressWindow->isVisible());

        const fs::path out = fixture.root() / "out";
        if (answer) {
            QTRY_COMPARE_WITH_TIMEOUT(progressWindow->fileLabel->text(),
                                      QStringLiteral("Conversion stopped"), runTimeout);
            QCOMPARE(progressWindow->windowTitle(), QStringLiteral("Conversion stopped (1/3)"));
            QCOMPARE(fixture.window().statusField->text(), QStringLiteral("Conversion stopped"));
            QCOMPARE(progressWindow->progressBar->value(), 1);
            QCOMPARE(filesIn(out), std::vector<std::string>{"a.jpg"});
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(progressWindow->fileLabel->text(),
                                      QStringLiteral("Files converted: 3 of 3"), runTimeout);
            QCOMPARE(progressWindow->windowTitle(), QStringLiteral("Conversion complete (3/3)"));
            QCOMPARE(progressWindow->progressBar->value(), 4);
            QCOMPARE(filesIn(out), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));
        }
        QVERIFY(progressWindow->okButton->isEnabled());

        // After the end the close box closes the window without asking.
        progressWindow->close();
        QTRY_VERIFY(activeProgressWindow(fixture.mode) == nullptr);
        QCOMPARE(fixture.asked.size(), size_t(1));
    }

    // A main window that closes during a run takes the run with it: the run
    // stops after the file in hand instead of outliving the window.
    void closingTheMainWindowStopsTheRun() {
        WindowFixture fixture;
        fixture.start();
        ProgressWindow* progressWindow =
            startGatedRun(fixture, {fixture.makeIcon("in/a.ico"), fixture.makeIcon("in/b.ico")});
        QTRY_COMPARE_WITH_TIMEOUT(progressWindow->windowTitle(), QStringLiteral("Converting (1/2)"),
                                  runTimeout);
        fixture.window().close();
        QVERIFY(!progressWindow->workerRunning());
        QCOMPARE(fixture.progress.processedCount, 1);
        QVERIFY(!fs::exists(fixture.root() / "out" / "b.jpg"));
    }

    void shortenMiddleKeepsBothEnds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QString() << 5 << QString();
        QTest::newRow("exactly the length")
            << QStringLiteral("abcdefghij") << 10 << QStringLiteral("abcdefghij");
        QTest::newRow("one longer")
            << QStringLiteral("abcdefghijk") << 10 << QStringLiteral("abc...ijk");
        QTest::newRow("odd length") << QStringLiteral("/home/user/pictures/icon.ico") << 12
                                    << QStringLiteral("/hom....ico");
        QTest::newRow("characters beyond 16 bits stay whole")
            << QStringLiteral("\U0001F600\U0001F601\U0001F602\U0001F603\U0001F604") << 4
            << QStringLiteral("...");
        QTest::newRow("characters beyond 16 bits at both ends")
            << QStringLiteral("\U0001F600\U0001F601xyz\U0001F603\U0001F604") << 6
            << QStringLiteral("\U0001F600...\U0001F604");
    }

    void shortenMiddleKeepsBothEnds() {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(QString, expected);
        QCOMPARE(shortenMiddle(text, length), expected);
    }

private:
    // A run of `icons` into "out" as startConversion prepares it, with the
    // worker held in the first file until the gate opens.
    static ProgressWindow* startGatedRun(WindowFixture& fixture,
                                         const std::vector<std::string>& icons) {
        ConversionJob& job = fixture.job;
        for (const std::string& icon : icons)
            job.inputFiles[icon] = InputFileEntry{true, ""};
        job.output.folder = fixture.makeFolder("out");
        job.output.formatKey = "jpg";
        if (!prepareOutput(fixture.settings, job.output))
            return nullptr;
        gate.progress = &fixture.progress;
        auto* progressWindow = new ProgressWindow(fixture.mode, nullptr, gatedConversion);
        progressWindow->start();
        return progressWindow;
    }
};

namespace {
const bool registered = registerUiTest<ConversionRunTest>();
}

}  // namespace tessaro::test

#include "conversion_run_qtest.moc"
