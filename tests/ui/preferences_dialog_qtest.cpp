#include <QSignalSpy>
#include <QTest>

#include "preferences_test_dialog.h"
#include "ui/main_commands.h"
#include "ui/preferences/general_page.h"
#include "ui/preferences/interface_page.h"
#include "ui/preferences/preferences_dialog.h"
#include "ui/preferences/preferences_rows.h"
#include "ui/preferences/preferences_values.h"
#include "window_fixture.h"

namespace tessaro::test {

namespace {

void typeInto(PairSpinBox* spinBox, const QString& text) {
    spinBox->setFocus();
    spinBox->selectAll();
    QTest::keyClicks(spinBox, text);
    QTest::keyClick(spinBox, Qt::Key_Return);
}

}  // namespace

class PreferencesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void outputFormatOptionsOpensOnOutputThenPreferencesOnGeneral() {
        WindowFixture fixture;
        fixture.start();
        runMainCommand(fixture.mode, MainWindow::Command::outputFormatOptions);
        PreferencesDialog* dialog = openDialog(fixture);
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->size(), QSize(600, 350));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Preferences..."));
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QCOMPARE(dialog->currentPage(), 3);
        QCOMPARE(dialog->pageTitle->text(), QStringLiteral("Output"));
        QCOMPARE(dialog->pageList->currentItem(), dialog->pageList->topLevelItem(3));
        QCOMPARE(dialog->pageList->topLevelItemCount(), 9);
        QVERIFY(dialog->page(3)->isVisible());
        QVERIFY(!dialog->page(0)->isVisible());
        QCOMPARE(fixture.mode.state.preferencesPage, 0);

        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        dialog = openDialog(fixture);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->currentPage(), 0);
        QCOMPARE(dialog->pageTitle->text(), QStringLiteral("General"));

        dialog->pageList->setCurrentItem(dialog->pageList->topLevelItem(8));
        QCOMPARE(dialog->pageTitle->text(), QStringLiteral("Advanced"));
        QVERIFY(dialog->page(8)->isVisible());
        QVERIFY(!dialog->page(0)->isVisible());
        dialog->cancelButton->click();
    }

    void okStoresSavesAndCancelDropsEdits() {
        WindowFixture fixture;
        fixture.start();
        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        auto* general = static_cast<GeneralPage*>(openDialog(fixture)->page(0));
        QCOMPARE(general->updateRange->currentIndex(), 2);
        QCOMPARE(general->language->currentText(), QStringLiteral("English"));
        general->updateRange->setCurrentIndex(5);
        general->saveWindowPosition->setChecked(false);
        openDialog(fixture)->cancelButton->click();
        QCOMPARE(fixture.settings.general.updateRange, 2);
        QCOMPARE(fixture.settings.general.saveWindowPosition, 1);

        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        general = static_cast<GeneralPage*>(openDialog(fixture)->page(0));
        QCOMPARE(general->updateRange->currentIndex(), 2);
        general->updateRange->setCurrentIndex(5);
        general->saveWindowPosition->setChecked(false);
        openDialog(fixture)->okButton->click();
        QVERIFY(openDialog(fixture) == nullptr);
        QCOMPARE(fixture.settings.general.updateRange, 5);
        QCOMPARE(fixture.settings.general.saveWindowPosition, 0);
        QCOMPARE(fixture.configLine("Update Range"), std::string("Update Range = 5"));
        QCOMPARE(fixture.configLine("Save Window Position"),
                 std::string("Save Window Position = 0"));
    }

    void defaultsAskFirstAndResetOnYes() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.general.updateRange = 4;
        fixture.settings.output.jpgQuality = 40;
        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        PreferencesDialog* dialog = openDialog(fixture);

        fixture.questionAnswer = false;
        dialog->defaultsButton->click();
        QCOMPARE(fixture.asked.size(), size_t{1});
        QCOMPARE(fixture.asked.back(),
                 std::string("question|Reset to Defaults|Are you sure you want to reset all "
                             "your settings to the default values?"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(fixture.settings.general.updateRange, 4);

        fixture.questionAnswer = true;
        dialog->defaultsButton->click();
        QVERIFY(openDialog(fixture) == nullptr);
        QCOMPARE(fixture.settings.general.updateRange, 2);
        QCOMPARE(fixture.settings.output.jpgQuality, 95);
        QCOMPARE(fixture.configLine("JPG Quality"), std::string("JPG Quality = 95"));
    }

    void defaultsRefreshWhatTheWindowShows() {
        WindowFixture fixture;
        fixture.writeConfig(
            "\xEF\xBB\xBF\r\n[General]\r\nCFG = 17\r\n[Interface]\r\nUI Size = 0\r\n");
        fixture.start();
        QCOMPARE(fixture.window().mainToolbar->iconSize(), QSize(16, 16));
        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        PreferencesDialog* dialog = openDialog(fixture);
        // The dialog already shows the default size; the window does not.
        static_cast<InterfacePage*>(dialog->page(1))->iconSize->setCurrentIndex(2);
        static_cast<GeneralPage*>(dialog->page(0))->updateRange->setCurrentIndex(0);
        fixture.questionAnswer = true;
        dialog->defaultsButton->click();
        QCOMPARE(fixture.settings.interface.uiSize, 2);
        QCOMPARE(fixture.settings.general.updateRange, 2);
        QCOMPARE(fixture.window().mainToolbar->iconSize(), QSize(32, 32));
        QCOMPARE(fixture.mode.state.pendingReload, WindowReload::nothing);
    }

    void okDerivesTheColorCorrection_data() {
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("contrast");
        QTest::addColumn<float>("gamma");
        QTest::addColumn<int>("invert");
        QTest::addColumn<int>("correction");
        QTest::newRow("neutral") << 0 << 0 << 1.0f << 0 << 0;
        QTest::newRow("brightness") << -5 << 0 << 1.0f << 0 << 1;
        QTest::newRow("contrast") << 0 << 20 << 1.0f << 0 << 1;
        QTest::newRow("gamma") << 0 << 0 << 1.01f << 0 << 1;
        QTest::newRow("invert") << 0 << 0 << 1.0f << 1 << 1;
    }

    void okDerivesTheColorCorrection() {
        QFETCH(int, brightness);
        QFETCH(int, contrast);
        QFETCH(float, gamma);
        QFETCH(int, invert);
        QFETCH(int, correction);
        WindowFixture fixture;
        fixture.start();
        AdjustmentSettings& adjustment = fixture.settings.adjustment;
        adjustment.imageBrightness = brightness;
        adjustment.imageContrast = contrast;
        adjustment.imageGamma = gamma;
        adjustment.imageInvert = static_cast<int8_t>(invert);
        adjustment.doImageColorCorrection = static_cast<int8_t>(1 - correction);
        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        openDialog(fixture)->okButton->click();
        QCOMPARE(adjustment.doImageColorCorrection, correction);
    }

    void closeBoxDropsEdits() {
        WindowFixture fixture;
        fixture.start();
        runMainCommand(fixture.mode, MainWindow::Command::preferences);
        PreferencesDialog* dialog = openDialog(fixture);
        static_cast<GeneralPage*>(dialog->page(0))->updateRange->setCurrentIndex(0);
        dialog->close();
        QVERIFY(openDialog(fixture) == nullptr);
        QCOMPARE(fixture.settings.general.updateRange, 2);
    }
};

// The rows every page is made of, on a bare panel.
class PreferencesRowsTest : public QObject {
    Q_OBJECT

private slots:
    void rowsArePlacedThirtyPixelsApart() {
        QWidget panel;
        RowBuilder rows(&panel);
        rows.list("Language", {"Small", "Medium"});
        rows.checkBox("Image Rotation");
        const NumericFieldRow width = rows.numericField("Image Width", {"Pixels"});
        const PreferencesRow widthRow = rows.lastRow();
        const ChooserListRow font = rows.chooserList("Font");
        QCOMPARE(widthRow.label->geometry(), QRect(10, 73, 160, 20));
        QCOMPARE(width.field->geometry(), QRect(170, 70, 160, 20));
        QCOMPARE(width.unit->geometry(), QRect(340, 70, 70, 21));
        QCOMPARE(width.unit->currentText(), QStringLiteral("pixels"));
        QCOMPARE(font.list->geometry(), QRect(170, 100, 214, 21));
        QCOMPARE(font.button->geometry(), QRect(389, 100, 22, 22));
        QCOMPARE(font.button->text(), QStringLiteral("..."));

        // Digits only; an empty field stores 0.
        QTest::keyClicks(width.field, "-12a3");
        QCOMPARE(width.field->text(), QStringLiteral("123"));
        width.field->clear();
        QCOMPARE(fieldNumber(width.field), 0);
        widthRow.setEnabled(false);
        QVERIFY(!widthRow.label->isEnabled());
        QVERIFY(!width.unit->isEnabled());
    }

    void wholeSpinBoxesClampTypedText_data() {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("sliderPosition");
        QTest::newRow("quality above range") << 1 << 100 << 0 << "150" << 100 << 100;
        QTest::newRow("quality below range") << 1 << 100 << 0 << "0" << 1 << 1;
        QTest::newRow("quality in range") << 1 << 100 << 0 << "57" << 57 << 57;
        QTest::newRow("brightness below range") << -100 << 100 << 100 << "-120" << -100 << 0;
        QTest::newRow("brightness negative") << -100 << 100 << 100 << "-30" << -30 << 70;
        QTest::newRow("sign alone reads as 0") << -100 << 100 << 100 << "-" << 0 << 100;
    }

    void wholeSpinBoxesClampTypedText() {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, offset);
        QFETCH(QString, typed);
        QFETCH(int, value);
        QFETCH(int, sliderPosition);
        QWidget panel;
        RowBuilder rows(&panel);
        SliderSpinPair* pair = rows.sliderSpin("Image Quality", {minimum, maximum, offset});
        pair->setValue(10);
        typeInto(pair->spinBox, typed);
        QCOMPARE(pair->value(), value);
        QCOMPARE(pair->spinBox->text(), QString::number(value));
        QCOMPARE(pair->slider->value(), sliderPosition);
    }

    void sliderSetsItsSpinBox() {
        QWidget panel;
        RowBuilder rows(&panel);
        SliderSpinPair* brightness = rows.sliderSpin("Image Brightness", {-100, 100, 100});
        QCOMPARE(brightness->slider->maximum(), 200);
        brightness->slider->setValue(150);
        QCOMPARE(brightness->value(), 50);
        QCOMPARE(brightness->spinBox->text(), QStringLiteral("50"));
        QTest::keyClick(brightness->spinBox, Qt::Key_Up);
        QCOMPARE(brightness->spinBox->text(), QStringLiteral("51"));
        QCOMPARE(brightness->slider->value(), 151);
    }

    void gammaWorksInHundredths() {
        QWidget panel;
        RowBuilder rows(&panel);
        SliderSpinPair* gamma = rows.sliderSpin("Image Gamma", {1, 999, 0, true});
        gamma->setValue(100);
        QCOMPARE(gamma->slider->value(), 100);
        QCOMPARE(gamma->spinBox->text(), QStringLiteral("1.00"));
        gamma->setValue(220);
        QCOMPARE(gamma->spinBox->text(), QStringLiteral("2.20"));

        typeInto(gamma->spinBox, "2.3");
        QCOMPARE(gamma->value(), 230);
        QCOMPARE(gamma->spinBox->text(), QStringLiteral("2.30"));
        QCOMPARE(gamma->slider->value(), 230);
        QTest::keyClick(gamma->spinBox, Qt::Key_Up);
        QCOMPARE(gamma->spinBox->text(), QStringLiteral("2.31"));
        QCOMPARE(gamma->slider->value(), 231);

        typeInto(gamma->spinBox, "12");
        QCOMPARE(gamma->value(), 999);
        QCOMPARE(gamma->spinBox->text(), QStringLiteral("9.99"));
        typeInto(gamma->spinBox, "0");
        QCOMPARE(gamma->spinBox->text(), QStringLiteral("0.01"));
        gamma->slider->setValue(45);
        QCOMPARE(gamma->spinBox->text(), QStringLiteral("0.45"));
    }

    void decimalsRoundHalfToEven_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hundredths");
        QTest::newRow("two places") << "2.3" << 230;
        QTest::newRow("half down to even") << "2.345" << 234;
        QTest::newRow("half up to even") << "2.355" << 236;
        QTest::newRow("above half") << "2.3451" << 235;
        QTest::newRow("below half") << "2.344999" << 234;
        QTest::newRow("whole") << "12" << 1200;
        QTest::newRow("no digits") << "x" << 0;
        QTest::newRow("negative") << "-0.5" << -50;
    }

    void decimalsRoundHalfToEven() {
        QFETCH(QString, text);
        QFETCH(int, hundredths);
        QCOMPARE(readHundredths(text), hundredths);
    }

    void colorRowsAndListsNameTheirColors() {
        QWidget panel;
        RowBuilder rows(&panel);
        const ColorRow back = rows.colorButton("Background Color");
        QCOMPARE(back.button->geometry(), QRect(170, 10, 44, 22));
        QCOMPARE(back.field->geometry(), QRect(220, 10, 190, 20));
        QVERIFY(back.field->isReadOnly());
        setRowColor(back, std::string("1a2b3c"));
        QCOMPARE(back.field->text(), QStringLiteral("1A2B3C"));
        QCOMPARE(rowColorText(back), std::string("1A2B3C"));
        setRowColor(back, std::string("FFF"));
        QCOMPARE(back.field->text(), QStringLiteral("000000"));
        const QImage swatch = back.button->icon().pixmap(34, 12).toImage();
        QCOMPARE(swatch.pixelColor(17, 6), QColor(Qt::black));

        const ChooserListRow colors = rows.chooserList("Font Color");
        fillColorList(colors.list, "000000, FFFFFF,123456", "123456");
        QCOMPARE(colors.list->count(), 3);
        QCOMPARE(colors.list->itemText(0), QStringLiteral("Black"));
        QCOMPARE(colors.list->itemText(1), QStringLiteral("White"));
        QCOMPARE(colors.list->itemText(2), QStringLiteral("Color #123456"));
        QCOMPARE(colors.list->currentIndex(), 2);
        QCOMPARE(colors.list->itemData(1).value<QColor>(), QColor(Qt::white));
        QCOMPARE(colors.list->itemIcon(0).availableSizes().front(), QSize(16, 16));
        fillColorList(colors.list, "FF8000,804000", "00FF00");
        QCOMPARE(colors.list->currentText(), QStringLiteral("Orange"));
        QCOMPARE(colors.list->itemText(1), QStringLiteral("Brown"));
    }
};

static const bool registeredDialog = registerUiTest<PreferencesDialogTest>();
static const bool registeredRows = registerUiTest<PreferencesRowsTest>();

}  // namespace tessaro::test

#include "preferences_dialog_qtest.moc"
