#include <QTest>

#include "ui/folder_history.h"
#include "ui/input_filter.h"
#include "ui/main_commands.h"
#include "ui/qt_text.h"
#include "ui/selection.h"
#include "window_fixture.h"

namespace tessaro::test {

namespace {

Settings historyOf(const std::string& history, int number) {
    Settings settings;
    settings.file.recentOutFolders = history;
    settings.advanced.outFoldersNumber = static_cast<int8_t>(number);
    return settings;
}

}  // namespace

class SelectionTest : public QObject {
    Q_OBJECT

private slots:
    void dropTakesTheFirstFileAndProposesItsFolder() {
        WindowFixture fixture;
        fixture.start();
        const std::string first = fixture.makeFile("images/a.ico");
        dropFiles(fixture.window(),
                  {first, fixture.makeFile("images/b.ico"), fixture.makeFile("other/c.ico")});
        MainWindow& window = fixture.window();
        QCOMPARE(window.inputField->text(), toQString(first));
        const std::string folder = (fixture.root() / "images").string() + "/";
        QCOMPARE(fixture.job.output.folder, folder);
        QCOMPARE(recentOutputFolder(fixture.settings, 0), folder);
        QCOMPARE(window.outputFolderList->currentText(), toQString(folder));
        QCOMPARE(fixture.job.inputFiles.size(), size_t(1));
        QVERIFY(fixture.job.inputFiles.contains(first));

        // A second file from another folder keeps the chosen output folder.
        const std::string second = fixture.makeFile("other/D.ICO");
        dropFiles(window, {second});
        QCOMPARE(window.inputField->text(), toQString(second));
        QCOMPARE(fixture.job.output.folder, folder);
    }

    void refusedFilesChangeNothing() {
        WindowFixture fixture;
        fixture.start();
        const std::string icon = fixture.makeFile("images/a.ico");
        dropFiles(fixture.window(), {icon});
        dropFiles(fixture.window(), {fixture.makeFile("images/x.png")});
        dropFiles(fixture.window(), {fixture.makeFile("images/empty.ico", 0)});
        QCOMPARE(fixture.window().inputField->text(), toQString(icon));
        QCOMPARE(fixture.job.inputFiles.size(), size_t(1));
        QVERIFY(fixture.job.inputFiles.contains(icon));
    }

    void newClearsTheChoiceButKeepsTheHistory() {
        WindowFixture fixture;
        fixture.start();
        dropFiles(fixture.window(), {fixture.makeFile("images/a.ico")});
        runMainCommand(fixture.mode, MainWindow::Command::newJob);
        MainWindow& window = fixture.window();
        QCOMPARE(window.inputField->text(), QString());
        QCOMPARE(window.outputFolderList->currentIndex(), -1);
        QCOMPARE(window.outputFolderList->count(), 1);
        QVERIFY(fixture.job.inputFiles.empty());
        QVERIFY(fixture.job.output.folder.empty());
    }

    void inputRequesterOffersTheFilterAndAcceptsTheChoice() {
        WindowFixture fixture;
        fixture.start();
        fixture.fileAnswer = toQString(fixture.makeFile("pick/a.ico"));
        fixture.job.namedInput = "/previous/b.ico";
        runMainCommand(fixture.mode, MainWindow::Command::selectInputFile);
        QCOMPARE(fixture.asked.back(), std::string("openFile|Select Input Files|/previous/b.ico"));
        QCOMPARE(fixture.offeredFilters, QStringList({"All Supported Files (*.ico)",
                                                      "Windows Icon (*.ico)", "All Files (*)"}));
        QCOMPARE(fixture.window().inputField->text(), fixture.fileAnswer);
        QVERIFY(fixture.job.namedInput.empty());
    }

    void folderRequesterTakesOnlyExistingFolders() {
        WindowFixture fixture;
        fixture.start();
        fixture.folderAnswer = toQString((fixture.root() / "missing").string());
        runMainCommand(fixture.mode, MainWindow::Command::selectOutputFolder);
        QVERIFY(fixture.settings.file.recentOutFolders.empty());
        const std::string folder = fixture.makeFolder("out");
        fixture.folderAnswer = toQString(folder.substr(0, folder.size() - 1));
        runMainCommand(fixture.mode, MainWindow::Command::selectOutputFolder);
        QCOMPARE(fixture.job.output.folder, folder);
        QCOMPARE(fixture.window().outputFolderList->currentText(), toQString(folder));
    }

    void filterLinesShareDescriptions() {
        const std::vector<std::string> extensions = {"jpg", "ico", "jpe", "tif"};
        std::vector<std::string> lines;
        for (const FilterLine& line : inputFilterLines(extensions))
            lines.push_back(line.description + "|" + line.patterns);
        const std::vector<std::string> expected = {"All Supported Files|*.jpg;*.ico;*.jpe;*.tif",
                                                   "JPEG File|*.jpe;*.jpg", "Windows Icon|*.ico",
                                                   "Tagged Image File Format|*.tif", "All Files|*"};
        QCOMPARE(lines, expected);
    }

    void historyRules_data() {
        QTest::addColumn<QString>("history");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("expected");
        QTest::newRow("same folder moves first") << "/Out/\t/pics/" << 5 << "/pics/"
                                                 << "/pics/\t/Out/";
        QTest::newRow("folders differing in letter case are two") << "/out3/\t/b/" << 5 << "/Out3/"
                                                                  << "/Out3/\t/out3/\t/b/";
        QTest::newRow("oldest dropped at the limit") << "/a/\t/b/" << 2 << "/c/"
                                                     << "/c/\t/a/";
        QTest::newRow("trailing slash makes a difference") << "/a/" << 5 << "/a"
                                                           << "/a\t/a/";
        QTest::newRow("blanks and empty entries skipped") << " /a/ \t\t/b/" << 5 << "/c/"
                                                          << "/c/\t/a/\t/b/";
        QTest::newRow("non-ASCII letters keep their case") << "/Äpfel/\t/b/" << 5 << "/äpfel/"
                                                           << "/äpfel/\t/Äpfel/\t/b/";
    }

    void historyRules() {
        QFETCH(QString, history);
        QFETCH(int, number);
        QFETCH(QString, added);
        QFETCH(QString, expected);
        Settings settings = historyOf(toUtf8(history), number);
        QVERIFY(addRecentOutputFolder(settings, toUtf8(added)));
        QCOMPARE(toQString(settings.file.recentOutFolders), expected);
    }

    void emptyFolderIsNotAdded() {
        Settings settings = historyOf("/a/", 5);
        QVERIFY(!addRecentOutputFolder(settings, ""));
        QCOMPARE(settings.file.recentOutFolders, std::string("/a/"));
        QCOMPARE(recentOutputFolder(settings, 1), std::string());
    }
};

namespace {
const bool registered = registerUiTest<SelectionTest>();
}

}  // namespace tessaro::test

#include "selection_qtest.moc"
