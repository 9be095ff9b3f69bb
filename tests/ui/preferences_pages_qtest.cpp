#include <QTest>

#include "preferences_test_dialog.h"
#include "settings/setting_codes.h"
#include "ui/main_commands.h"
#include "ui/preferences/advanced_page.h"
#include "ui/preferences/general_page.h"
#include "ui/preferences/input_page.h"
#include "ui/preferences/interface_page.h"
#include "ui/preferences/output_page.h"
#include "ui/preferences/preferences_dialog.h"
#include "ui/qt_text.h"
#include "ui/window_refresh.h"
#include "window_fixture.h"

namespace tessaro::test {

namespace {

PreferencesDialog* startAndOpen(WindowFixture& fixture) {
    fixture.start();
    runMainCommand(fixture.mode, MainWindow::Command::preferences);
    return openDialog(fixture);
}

template <typename Page>
Page* pageOf(PreferencesDialog* dialog, int number) {
    return static_cast<Page*>(dialog->page(number));
}

}  // namespace

class PreferencesPagesTest : public QObject {
    Q_OBJECT

private slots:
    void themeListIsSortedByBaseNameAndNoneWithoutThemes() {
        WindowFixture fixture;
        fixture.start();
        fixture.mode.themes.themeNames = {
            {"zeta", "Zeta Look"}, {"Alpha", "First"}, {"beta", "Second"}};
        fixture.settings.interface.uiTheme = "beta";
        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        auto* interface = pageOf<InterfacePage>(openDialog(fixture), 1);
        QCOMPARE(interface->theme->count(), 3);
        QCOMPARE(interface->theme->itemText(0), QStringLiteral("First"));
        QCOMPARE(interface->theme->itemText(2), QStringLiteral("Zeta Look"));
        QCOMPARE(interface->theme->currentText(), QStringLiteral("Second"));
        QCOMPARE(interface->iconSize->count(), 3);
        QCOMPARE(interface->iconSize->currentText(), QStringLiteral("Large"));
        openDialog(fixture)->cancelButton->click();

        fixture.mode.themes.themeNames.clear();
        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        interface = pageOf<InterfacePage>(openDialog(fixture), 1);
        QCOMPARE(interface->theme->count(), 1);
        QCOMPARE(interface->theme->currentText(), QStringLiteral("None"));
        openDialog(fixture)->okButton->click();
        QCOMPARE(fixture.settings.interface.uiTheme, std::string("beta"));
    }

    void themeChangeOutranksIconSizeChange_data() {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("size");
        QTest::addColumn<WindowReload>("reload");
        QTest::newRow("nothing changed") << "handdrawn" << 2 << WindowReload::nothing;
        QTest::newRow("icon size") << "handdrawn" << 0 << WindowReload::toolbar;
        QTest::newRow("theme") << "other" << 2 << WindowReload::everyPicture;
        QTest::newRow("theme and icon size") << "other" << 0 << WindowReload::everyPicture;
    }

    void themeChangeOutranksIconSizeChange() {
        QFETCH(QString, theme);
        QFETCH(int, size);
        QFETCH(WindowReload, reload);
        WindowState state;
        noteInterfaceChange(state, {"handdrawn", 2}, {toUtf8(theme), size});
        QCOMPARE(state.pendingReload, reload);
    }

    void iconSizeChangeRebuildsOnlyTheToolbar() {
        WindowFixture fixture;
        PreferencesDialog* dialog = startAndOpen(fixture);
        MainWindow& window = fixture.window();
        const QToolBar* fieldButton = window.fieldButtons[0];
        const QToolBar* toolbar = window.mainToolbar;
        pageOf<InterfacePage>(dialog, 1)->iconSize->setCurrentIndex(0);
        dialog->okButton->click();
        QCOMPARE(fixture.settings.interface.uiSize, 0);
        QCOMPARE(fixture.mode.state.pendingReload, WindowReload::nothing);
        QVERIFY(window.mainToolbar != toolbar);
        QCOMPARE(window.mainToolbar->iconSize(), QSize(16, 16));
        QCOMPARE(window.fieldButtons[0], fieldButton);
    }

    void themeChangeRebuildsEveryPicture() {
        WindowFixture fixture;
        fixture.start();
        fixture.mode.themes.themeNames.push_back({"zzother", "Other"});
        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        PreferencesDialog* dialog = openDialog(fixture);
        MainWindow& window = fixture.window();
        const QToolBar* fieldButton = window.fieldButtons[0];
        QComboBox* theme = pageOf<InterfacePage>(dialog, 1)->theme;
        theme->setCurrentIndex(theme->findData(QStringLiteral("zzother")));
        pageOf<InterfacePage>(dialog, 1)->iconSize->setCurrentIndex(1);
        dialog->okButton->click();
        QCOMPARE(fixture.mode.state.pendingReload, WindowReload::nothing);
        QVERIFY(window.fieldButtons[0] != fieldButton);
        QCOMPARE(window.mainToolbar->iconSize(), QSize(24, 24));
        QVERIFY(!window.convertButton->icon().isNull());
    }

    void inputPageShowsOnlyTheIcoPanel() {
        WindowFixture fixture;
        PreferencesDialog* dialog = startAndOpen(fixture);
        auto* input = pageOf<InputPage>(dialog, 2);
        QCOMPARE(input->format.list->count(), 1);
        QCOMPARE(input->format.list->itemText(0), QStringLiteral("ICO"));
        QVERIFY(!input->format.list->itemIcon(0).isNull());
        QVERIFY(input->icoFrameLoading->isVisibleTo(input));
        QCOMPARE(input->icoFrameLoading->count(), 5);
        QVERIFY(!input->rawLoadAs->isVisibleTo(input));
        QVERIFY(!input->gifFrameLoading->isVisibleTo(input));
        QVERIFY(!input->tiffFrameLoading->isVisibleTo(input));
        dialog->cancelButton->click();
    }

    void rawRowsFollowTheLoadAsList_data() {
        QTest::addColumn<int>("loadAs");
        QTest::addColumn<bool>("sizesEnabled");
        QTest::addColumn<bool>("toneMappingEnabled");
        QTest::newRow("Auto") << 0 << false << false;
        QTest::newRow("RGB8") << 1 << true << false;
        QTest::newRow("RGB16") << 2 << true << false;
        QTest::newRow("RGB24") << 3 << false << false;
        QTest::newRow("RGB48HS") << 4 << false << true;
        QTest::newRow("RGB48") << 5 << false << true;
    }

    void rawRowsFollowTheLoadAsList() {
        QFETCH(int, loadAs);
        QFETCH(bool, sizesEnabled);
        QFETCH(bool, toneMappingEnabled);
        WindowFixture fixture;
        fixture.start();
        fixture.settings.input.rawLoadAs = loadAs;
        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        auto* input = pageOf<InputPage>(openDialog(fixture), 2);
        QCOMPARE(input->rawHeaderSize.field->isEnabled(), sizesEnabled);
        QCOMPARE(input->rawImageHeight.unit->isEnabled(), sizesEnabled);
        QCOMPARE(input->rawToneMapping->isEnabled(), toneMappingEnabled);
        // The list itself switches the rows while the dialog is open.
        input->rawLoadAs->setCurrentIndex(loadAs == 1 ? 4 : 1);
        QCOMPARE(input->rawImageWidth.field->isEnabled(), loadAs != 1);
        openDialog(fixture)->cancelButton->click();
    }

    void bitsPerPixelShowsAutoOrTheListedDepth_data() {
        QTest::addColumn<int>("bpp");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("stored");
        QTest::newRow("auto") << 0 << 0 << 0;
        QTest::newRow("listed") << 8 << 1 << 8;
        QTest::newRow("not listed") << 16 << -1 << 0;
    }

    void bitsPerPixelShowsAutoOrTheListedDepth() {
        QFETCH(int, bpp);
        QFETCH(int, selected);
        QFETCH(int, stored);
        WindowFixture fixture;
        fixture.start();
        fixture.settings.output.jpgBpp = bpp;
        runMainCommand(fixture.mode, MainWindow::Command::outputFormatOptions);
        PreferencesDialog* dialog = openDialog(fixture);
        auto* output = pageOf<OutputPage>(dialog, 3);
        QComboBox* list = output->bppList("jpg");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->itemText(0), QStringLiteral("Auto"));
        QCOMPARE(list->itemText(2), QStringLiteral("24"));
        QCOMPARE(list->currentIndex(), selected);
        QVERIFY(list->isVisible());
        dialog->okButton->click();
        QCOMPARE(fixture.settings.output.jpgBpp, stored);
    }

    void outputPanelsHoldTheirRows() {
        WindowFixture fixture;
        PreferencesDialog* dialog = startAndOpen(fixture);
        auto* output = pageOf<OutputPage>(dialog, 3);
        QCOMPARE(output->format.list->count(), 1);
        QCOMPARE(output->format.list->itemText(0), QStringLiteral("JPG"));
        QCOMPARE(output->jpgQuality->value(), 95);
        QVERIFY(output->jpgQuality->spinBox->isVisibleTo(output));
        QCOMPARE(output->panelList("jpg", "Save As")->count(), 4);
        QCOMPARE(output->panelList("tiff", "Compression")->count(), 9);
        QVERIFY(!output->panelList("tiff", "Compression")->isVisibleTo(output));
        QCOMPARE(output->bppList("bmp")->count(), 7);
        QCOMPARE(output->bppList("psd")->count(), 1);
        QVERIFY(!output->pngInterlaced->isVisibleTo(output));
        dialog->cancelButton->click();
    }

    void advancedPageTimestampAndHiddenRow() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.advanced.customTimestamp = 1700000000;  // 2023-11-14 22:13:20
        fixture.settings.advanced.keepSubfolders = 0;
        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        PreferencesDialog* dialog = openDialog(fixture);
        dialog->pageList->setCurrentItem(dialog->pageList->topLevelItem(8));
        auto* advanced = pageOf<AdvancedPage>(dialog, 8);
        QCOMPARE(advanced->customTimestamp->text(), QStringLiteral("2023/11/14 22:13"));
        QVERIFY(!advanced->customTimestamp->isEnabled());
        advanced->fileTimestamp->setCurrentIndex(2);
        QVERIFY(advanced->customTimestamp->isEnabled());
        QVERIFY(!advanced->keepSubfolders->isVisible());
        QCOMPARE(advanced->outFoldersNumber->value(), 5);
        advanced->filenameMask->setText(QStringLiteral("  %file\tname%.%ext%  "));
        dialog->okButton->click();
        QCOMPARE(fixture.settings.advanced.filenameMask, std::string("%filename%.%ext%"));
        QCOMPARE(fixture.settings.advanced.fileTimestamp, storedCode(FileTimestamp::custom));
        // The picker shows minutes, and the 20 seconds it cannot show are not kept.
        QCOMPARE(fixture.settings.advanced.customTimestamp, 1700000000 - 20);
        QCOMPARE(fixture.settings.advanced.keepSubfolders, 0);
    }

    void shorterHistoryRefillsTheFolderList() {
        WindowFixture fixture;
        fixture.writeConfig(
            "\xEF\xBB\xBF\r\n[General]\r\nCFG = 17\r\n"
            "[File]\r\nRecent Out Folders = /tmp/a/\t/tmp/b/\t/tmp/c/\r\n");
        PreferencesDialog* dialog = startAndOpen(fixture);
        QCOMPARE(fixture.window().outputFolderList->count(), 3);
        pageOf<AdvancedPage>(dialog, 8)->outFoldersNumber->setValue(2);
        dialog->okButton->click();
        QCOMPARE(fixture.window().outputFolderList->count(), 2);
        QCOMPARE(fixture.window().outputFolderList->itemText(1), QStringLiteral("/tmp/b/"));
    }

    void okStoresOneChangePerPage() {
        WindowFixture fixture;
        PreferencesDialog* dialog = startAndOpen(fixture);
        pageOf<GeneralPage>(dialog, 0)->updateRange->setCurrentIndex(1);
        pageOf<InterfacePage>(dialog, 1)->iconSize->setCurrentIndex(1);
        pageOf<InputPage>(dialog, 2)->icoFrameLoading->setCurrentIndex(3);
        pageOf<OutputPage>(dialog, 3)->jpgQuality->slider->setValue(77);
        pageOf<AdvancedPage>(dialog, 8)->outFoldersNumber->setValue(12);
        dialog->okButton->click();

        const Settings& settings = fixture.settings;
        QCOMPARE(settings.general.updateRange, 1);
        QCOMPARE(settings.interface.uiSize, 1);
        QCOMPARE(settings.input.icoFrameLoading, storedCode(FrameLoading::last));
        QCOMPARE(settings.output.jpgQuality, 77);
        QCOMPARE(settings.output.format, std::string("jpg"));
        QCOMPARE(settings.advanced.outFoldersNumber, 12);
        QCOMPARE(fixture.configLine("Update Range"), std::string("Update Range = 1"));
        QCOMPARE(fixture.configLine("UI Size"), std::string("UI Size = 1"));
        QCOMPARE(fixture.configLine("ICO Frame Loading"), std::string("ICO Frame Loading = 3"));
        QCOMPARE(fixture.configLine("JPG Quality"), std::string("JPG Quality = 77"));
        QCOMPARE(fixture.configLine("Out Folders Number"), std::string("Out Folders Number = 12"));
    }
};

static const bool registered = registerUiTest<PreferencesPagesTest>();

}  // namespace tessaro::test

#include "preferences_pages_qtest.moc"
