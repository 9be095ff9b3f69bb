#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWheelEvent>

#include "platform/drawing/font_resolver.h"
#include "preferences_test_dialog.h"
#include "settings/setting_codes.h"
#include "ui/main_commands.h"
#include "ui/preferences/adjustment_page.h"
#include "ui/preferences/frame_page.h"
#include "ui/preferences/transform_page.h"
#include "ui/preferences/watermark_font_list.h"
#include "ui/preferences/watermark_page.h"
#include "ui/qt_text.h"
#include "window_fixture.h"

namespace tessaro::test {

namespace {

constexpr int transformPage = 4;
constexpr int adjustmentPage = 5;
constexpr int framePage = 6;
constexpr int watermarkPage = 7;

PreferencesDialog* openPreferences(WindowFixture& fixture) {
    runMainCommand(fixture.mode, MainWindow::Command::preferences);
    return openDialog(fixture);
}

template <typename Page>
Page* pageOf(PreferencesDialog* dialog, int number) {
    return static_cast<Page*>(dialog->page(number));
}

QStringList itemTexts(const QComboBox* list) {
    QStringList texts;
    for (int index = 0; index < list->count(); ++index)
        texts.append(list->itemText(index));
    return texts;
}

// The watermark text panel of a dialog opened with these fonts.
WatermarkTextPanel& textPanelWithFonts(WindowFixture& fixture, const std::string& fonts,
                                       const std::string& font) {
    fixture.settings.watermark.fonts = fonts;
    fixture.settings.watermark.font = font;
    return pageOf<WatermarkPage>(openPreferences(fixture), watermarkPage)->textPanel;
}

bool entryEnabled(const QComboBox* list, int entry) {
    return qobject_cast<const QStandardItemModel*>(list->model())->item(entry)->isEnabled();
}

// A wheel turn of one notch towards the user over `control`; whether the
// control took it.
bool turnWheelOver(QWidget* control) {
    const QPointF inside(5, 5);
    QWheelEvent event(inside, control->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(control, &event);
    return event.isAccepted();
}

// The chooser as Qt's font dialog behaves on OK without a change: it hands
// back the font it was opened on.
void answerFontChooserWithItsOpening(std::vector<QString>& opened) {
    userDialogs().chooseFont = [&opened](QWidget*, const QFont& initial) {
        opened.push_back(initial.family());
        return std::optional(initial);
    };
}

// Whether a control is shown when its page and panel are: hidden rows stay
// hidden whatever their panel does.
bool shownInItsPanel(const QWidget* control) {
    return !control->isHidden();
}

}  // namespace

class PreferencesImagePagesTest : public QObject {
    Q_OBJECT

private slots:
    void transformRowsFollowTheirCheckBoxes() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.transform.doImageRotation = 0;
        fixture.settings.transform.doImageResize = 1;
        fixture.settings.transform.imageRotationBackColor = "FFF";
        auto* transform = pageOf<TransformPage>(openPreferences(fixture), transformPage);

        QCOMPARE(transform->content->size(), QSize(420, 375));
        QCOMPARE(transform->backgroundColor.field->text(), QStringLiteral("000000"));
        QCOMPARE(
            transform->backgroundColor.button->icon().pixmap(34, 12).toImage().pixelColor(17, 6),
            QColor(Qt::black));

        QVERIFY(!transform->rotationType->isEnabled());
        QVERIFY(!transform->rotationAngle->spinBox->isEnabled());
        QVERIFY(!transform->backgroundColor.button->isEnabled());
        QVERIFY(transform->imageWidth.field->isEnabled());
        QVERIFY(transform->resizeAlgorithm->isEnabled());

        transform->imageRotation->click();
        transform->imageResize->click();
        QVERIFY(transform->rotationType->isEnabled());
        QVERIFY(transform->rotationAngle->slider->isEnabled());
        QVERIFY(transform->backgroundColor.field->isEnabled());
        QVERIFY(!transform->imageWidth.field->isEnabled());
        QVERIFY(!transform->imageHeight.unit->isEnabled());
        QVERIFY(!transform->keepAspectRatio->isEnabled());
        QVERIFY(!transform->resizeType->isEnabled());
        QVERIFY(!transform->resizeAlgorithm->isEnabled());
        QVERIFY(transform->flipHorizontal->isEnabled());
        QVERIFY(transform->flipVertical->isEnabled());
        openDialog(fixture)->cancelButton->click();
    }

    void adjustmentPairsAndThreshold() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.adjustment.imageGamma = 2.2f;
        auto* adjustment = pageOf<AdjustmentPage>(openPreferences(fixture), adjustmentPage);
        QCOMPARE(adjustment->gamma->slider->value(), 220);
        QCOMPARE(adjustment->gamma->spinBox->text(), QStringLiteral("2.20"));
        adjustment->brightness->slider->setValue(150);
        QCOMPARE(adjustment->brightness->spinBox->text(), QStringLiteral("50"));
        QCOMPARE(adjustment->brightness->value(), 50);
        adjustment->contrast->setValue(-120);
        QCOMPARE(adjustment->contrast->slider->value(), 0);

        QVERIFY(!adjustment->thresholdLevel->spinBox->isEnabled());
        adjustment->threshold->click();
        QVERIFY(adjustment->thresholdLevel->spinBox->isEnabled());
        QVERIFY(adjustment->thresholdLevel->slider->isEnabled());
        openDialog(fixture)->cancelButton->click();
    }

    void framePanelShowsForSolidFrames() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.frame.doFrame = storedCode(FrameType::none);
        PreferencesDialog* dialog = openPreferences(fixture);
        dialog->pageList->setCurrentItem(dialog->pageList->topLevelItem(framePage));
        auto* frame = pageOf<FramePage>(dialog, framePage);
        QVERIFY(!frame->solidPanel->isVisible());
        frame->frameType->setCurrentIndex(1);
        QVERIFY(frame->solidPanel->isVisible());
        QCOMPARE(frame->solidPanel->geometry(), QRect(0, 40, 450, 215));
        QVERIFY(frame->opacity->spinBox->isVisible());
        frame->frameType->setCurrentIndex(0);
        QVERIFY(!frame->solidPanel->isVisible());
        dialog->cancelButton->click();
    }

    void watermarkPanelsFollowTheTypeAndScaleRowsStayHidden() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.watermark.doWatermark = storedCode(WatermarkType::none);
        fixture.settings.watermark.textSize = storedCode(WatermarkSizeMode::fixed);
        fixture.settings.watermark.imageSize = 5;
        PreferencesDialog* dialog = openPreferences(fixture);
        dialog->pageList->setCurrentItem(dialog->pageList->topLevelItem(watermarkPage));
        auto* watermark = pageOf<WatermarkPage>(dialog, watermarkPage);
        WatermarkTextPanel& text = watermark->textPanel;
        WatermarkImagePanel& image = watermark->imagePanel;
        QVERIFY(!text.panel->isVisible());
        QVERIFY(!image.panel->isVisible());

        watermark->watermarkType->setCurrentIndex(1);
        QVERIFY(text.panel->isVisible());
        QVERIFY(!image.panel->isVisible());
        QVERIFY(text.text->isVisible());
        QCOMPARE(text.placement.size->count(), 1);
        QVERIFY(!shownInItsPanel(text.placement.scale->slider));
        QVERIFY(!shownInItsPanel(text.placement.scale->spinBox));

        watermark->watermarkType->setCurrentIndex(2);
        QVERIFY(!text.panel->isVisible());
        QVERIFY(image.panel->isVisible());
        QVERIFY(image.greyscale->isVisible());
        QVERIFY(!shownInItsPanel(image.placement.scale->slider));
        QVERIFY(!shownInItsPanel(image.placement.scale->spinBox));

        watermark->watermarkType->setCurrentIndex(0);
        QVERIFY(!text.panel->isVisible());
        QVERIFY(!image.panel->isVisible());
        dialog->cancelButton->click();
    }

    void watermarkListsAreFilledFromTheirSettings() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.watermark.fontColors = "000000,FFFFFF,123456";
        fixture.settings.watermark.fontColor = "123456";
        fixture.settings.watermark.backColors = "ff8000, 804000";
        fixture.settings.watermark.backColor = "00FF00";
        fixture.settings.watermark.fonts = " Tahoma , DejaVu Sans,Verdana";
        fixture.settings.watermark.font = "dejavu sans";
        WatermarkTextPanel& text =
            pageOf<WatermarkPage>(openPreferences(fixture), watermarkPage)->textPanel;
        QCOMPARE(itemTexts(text.fontColor.list), QStringList({"Black", "White", "Color #123456"}));
        QCOMPARE(text.fontColor.list->currentIndex(), 2);
        QCOMPARE(itemTexts(text.backgroundColor.list), QStringList({"Orange", "Brown"}));
        QCOMPARE(text.backgroundColor.list->currentIndex(), 0);
        QCOMPARE(itemTexts(text.font.list), QStringList({"Tahoma", "DejaVu Sans", "Verdana"}));
        QCOMPARE(text.font.list->currentText(), QStringLiteral("DejaVu Sans"));
        openDialog(fixture)->cancelButton->click();

        // Without a list of fonts, the font alone is listed.
        fixture.settings.watermark.fonts.clear();
        fixture.settings.watermark.font = "Verdana";
        WatermarkTextPanel& alone =
            pageOf<WatermarkPage>(openPreferences(fixture), watermarkPage)->textPanel;
        QCOMPARE(itemTexts(alone.font.list), QStringList({"Verdana"}));
        openDialog(fixture)->okButton->click();
        QCOMPARE(fixture.configLine("Fonts"), std::string("Fonts = Verdana"));
    }

    // A name that loads no installed face stays listed but greyed, and the
    // keys pass over it; it stays selected while it is the current font.
    void namesWithoutAnInstalledFaceCannotBePicked() {
        WindowFixture fixture;
        fixture.start();
        const std::string fonts = "Arial,Nosuchface Tessaroid,DejaVu Sans";
        QComboBox* list = textPanelWithFonts(fixture, fonts, "Arial").font.list;
        QVERIFY(entryEnabled(list, 0));
        QVERIFY(!entryEnabled(list, 1));
        QVERIFY(entryEnabled(list, 2));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), QStringLiteral("DejaVu Sans"));
        openDialog(fixture)->cancelButton->click();

        list = textPanelWithFonts(fixture, fonts, "Nosuchface Tessaroid").font.list;
        QCOMPARE(list->currentText(), QStringLiteral("Nosuchface Tessaroid"));
        openDialog(fixture)->cancelButton->click();
    }

    void colorButtonsChangeOnlyForAnotherColor() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.frame.solidTopColor = "00ff00";
        FramePage* frame = pageOf<FramePage>(openPreferences(fixture), framePage);
        const ColorRow& top = frame->bandColors[2];

        fixture.colorAnswer.reset();
        top.button->click();
        QCOMPARE(fixture.asked.back(), std::string("chooseColor|#00FF00"));
        QCOMPARE(top.field->text(), QStringLiteral("00FF00"));

        fixture.colorAnswer = QColor(0x12, 0xab, 0xef);
        top.button->click();
        QCOMPARE(top.field->text(), QStringLiteral("12ABEF"));
        QCOMPARE(top.button->icon().pixmap(34, 12).toImage().pixelColor(17, 6),
                 QColor(0x12, 0xab, 0xef));
        QCOMPARE(frame->bandColors[0].field->text(), QStringLiteral("000000"));

        auto* transform = pageOf<TransformPage>(openDialog(fixture), transformPage);
        fixture.colorAnswer = QColor(Qt::red);
        transform->backgroundColor.button->click();
        QCOMPARE(transform->backgroundColor.field->text(), QStringLiteral("000000"));
        transform->imageRotation->click();
        transform->backgroundColor.button->click();
        QCOMPARE(transform->backgroundColor.field->text(), QStringLiteral("FF0000"));
        openDialog(fixture)->okButton->click();
        QCOMPARE(fixture.settings.frame.solidTopColor, std::string("12ABEF"));
        QCOMPARE(fixture.settings.transform.imageRotationBackColor, std::string("FF0000"));
    }

    void colorListChooserAddsNewColorsAtOnce() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.watermark.fontColors = "000000,ff8000";
        fixture.settings.watermark.fontColor = "000000";
        WatermarkTextPanel* text =
            &pageOf<WatermarkPage>(openPreferences(fixture), watermarkPage)->textPanel;

        // Already listed, in lower case: only selected.
        fixture.colorAnswer = QColor(0xff, 0x80, 0x00);
        text->fontColor.button->click();
        QCOMPARE(fixture.asked.back(), std::string("chooseColor|#000000"));
        QCOMPARE(text->fontColor.list->count(), 2);
        QCOMPARE(text->fontColor.list->currentText(), QStringLiteral("Orange"));
        QCOMPARE(fixture.settings.watermark.fontColors, std::string("000000,ff8000"));

        // Cancelled: nothing changes.
        fixture.colorAnswer.reset();
        text->fontColor.button->click();
        QCOMPARE(text->fontColor.list->currentText(), QStringLiteral("Orange"));

        // New: listed, selected and kept in the settings even after Cancel.
        fixture.colorAnswer = QColor(0x1a, 0x2b, 0x3c);
        text->fontColor.button->click();
        QCOMPARE(text->fontColor.list->count(), 3);
        QCOMPARE(text->fontColor.list->currentText(), QStringLiteral("Color #1A2B3C"));
        QCOMPARE(fixture.settings.watermark.fontColors, std::string("000000,ff8000,1A2B3C"));
        const std::string backColors = fixture.settings.watermark.backColors;
        fixture.colorAnswer = QColor(0x44, 0x55, 0x66);
        text->backgroundColor.button->click();
        QCOMPARE(text->backgroundColor.list->currentText(), QStringLiteral("Color #445566"));
        QCOMPARE(fixture.settings.watermark.backColors, backColors + ",445566");
        openDialog(fixture)->cancelButton->click();
        QCOMPARE(fixture.settings.watermark.fontColor, std::string("000000"));

        text = &pageOf<WatermarkPage>(openPreferences(fixture), watermarkPage)->textPanel;
        QCOMPARE(itemTexts(text->fontColor.list),
                 QStringList({"Black", "Orange", "Color #1A2B3C"}));
        text->fontColor.list->setCurrentIndex(2);
        openDialog(fixture)->okButton->click();
        QCOMPARE(fixture.settings.watermark.fontColor, std::string("1A2B3C"));
        QCOMPARE(fixture.configLine("Font Colors"),
                 std::string("Font Colors = 000000,ff8000,1A2B3C"));
    }

    void fontChooserExtendsTheFontListAtOnce() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.watermark.fonts = "Arial,Tahoma";
        fixture.settings.watermark.font = "Tahoma";
        fixture.settings.watermark.fontSize = 14;
        fixture.settings.watermark.fontStyle = storedCode(FontStyle::boldItalic);
        fixture.settings.watermark.fontEffect = storedCode(FontEffect::strikeout);
        WatermarkTextPanel* text =
            &pageOf<WatermarkPage>(openPreferences(fixture), watermarkPage)->textPanel;

        fixture.fontAnswer.reset();
        text->font.button->click();
        // Opened on the face "Tahoma" gives, at the field's size, without a style.
        QVERIFY(fixture.asked.back().ends_with("|14"));
        QCOMPARE(text->font.list->count(), 2);
        QFont nameless;
        nameless.setFamily(QStringLiteral(","));
        fixture.fontAnswer = nameless;
        text->font.button->click();
        QCOMPARE(text->font.list->count(), 2);
        QCOMPARE(fixture.settings.watermark.fonts, std::string("Arial,Tahoma"));

        QFont chosen;
        chosen.setFamily(QStringLiteral("Deja,Vu Serif"));
        chosen.setPointSize(22);
        chosen.setItalic(true);
        fixture.fontAnswer = chosen;
        text->font.button->click();
        QCOMPARE(itemTexts(text->font.list), QStringList({"Arial", "Tahoma", "DejaVu Serif"}));
        QCOMPARE(text->font.list->currentText(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(text->fontSize.field->text(), QStringLiteral("22"));
        QCOMPARE(text->fontStyle->currentIndex(), 2);
        QCOMPARE(text->fontEffect->currentIndex(), 2);
        QCOMPARE(fixture.settings.watermark.fonts, std::string("Arial,Tahoma,DejaVu Serif"));

        // A listed name only selects; a style with an underline leaves the
        // style list as it was.
        QFont listed(QStringLiteral("DejaVu Serif"));
        listed.setPointSize(9);
        listed.setBold(true);
        listed.setUnderline(true);
        fixture.fontAnswer = listed;
        text->font.list->setCurrentIndex(0);
        text->font.button->click();
        QCOMPARE(text->font.list->count(), 3);
        QCOMPARE(text->font.list->currentText(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(text->fontStyle->currentIndex(), 2);
        QCOMPARE(fixture.settings.watermark.fonts, std::string("Arial,Tahoma,DejaVu Serif"));

        openDialog(fixture)->cancelButton->click();
        QCOMPARE(fixture.settings.watermark.font, std::string("Tahoma"));
        text = &pageOf<WatermarkPage>(openPreferences(fixture), watermarkPage)->textPanel;
        QCOMPARE(itemTexts(text->font.list), QStringList({"Arial", "Tahoma", "DejaVu Serif"}));
        QCOMPARE(text->font.list->currentText(), QStringLiteral("Tahoma"));
        openDialog(fixture)->okButton->click();
        QCOMPARE(fixture.configLine("Fonts"), std::string("Fonts = Arial,Tahoma,DejaVu Serif"));
    }

    // The chooser opens on the face a name loads as ("Arial" on its
    // metric-compatible face), and handing that face back keeps the name.
    void fontChooserRoundTripKeepsTheListedName() {
        WindowFixture fixture;
        fixture.start();
        const std::optional<std::string> face = drawing::resolveFontFamily("Arial");
        if (!face)
            QSKIP("No installed face loads as Arial (tools/setup.sh installs one)");
        WatermarkTextPanel& text = textPanelWithFonts(fixture, "Arial,Tahoma,Verdana", "Arial");
        std::vector<QString> opened;
        answerFontChooserWithItsOpening(opened);
        text.font.button->click();
        QCOMPARE(opened, std::vector<QString>{toQString(*face)});
        QCOMPARE(itemTexts(text.font.list), QStringList({"Arial", "Tahoma", "Verdana"}));
        QCOMPARE(text.font.list->currentText(), QStringLiteral("Arial"));
        openDialog(fixture)->okButton->click();
        QCOMPARE(fixture.settings.watermark.font, std::string("Arial"));
        QCOMPARE(fixture.settings.watermark.fonts, std::string("Arial,Tahoma,Verdana"));
    }

    // A generic name picked in the chooser is kept as the installed face it
    // stands for, which a run can load.
    void fontChooserStoresTheRealFamilyOfAGenericPick_data() {
        QTest::addColumn<QString>("generic");
        QTest::newRow("Monospace") << QStringLiteral("Monospace");
        QTest::newRow("Sans Serif") << QStringLiteral("Sans Serif");
        QTest::newRow("Serif") << QStringLiteral("Serif");
    }

    void fontChooserStoresTheRealFamilyOfAGenericPick() {
        QFETCH(QString, generic);
        WindowFixture fixture;
        fixture.start();
        WatermarkTextPanel& text = textPanelWithFonts(fixture, "Arial", "Arial");
        fixture.fontAnswer = QFont(generic);
        text.font.button->click();
        const QString kept = text.font.list->currentText();
        QVERIFY2(kept != generic, qPrintable(kept));
        QCOMPARE(drawing::resolveFontFamily(toUtf8(kept)), std::optional(toUtf8(kept)));
        QCOMPARE(fixture.settings.watermark.fonts, "Arial," + toUtf8(kept));
        openDialog(fixture)->cancelButton->click();
    }

    // Scrolling a page with the wheel over a list, a spin box or a slider
    // leaves their values alone: the wheel goes on to the page.
    void wheelOverControlsWithoutFocusChangesNothing() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.watermark.doWatermark = storedCode(WatermarkType::text);
        fixture.settings.watermark.fontStyle = storedCode(FontStyle::regular);
        fixture.settings.watermark.textOpacity = 100;
        fixture.settings.transform.doImageResize = 1;
        fixture.settings.transform.imageResizeAlgorithm = storedCode(ResizeAlgorithm::box);
        PreferencesDialog* dialog = openPreferences(fixture);
        WatermarkTextPanel& text = pageOf<WatermarkPage>(dialog, watermarkPage)->textPanel;
        auto* transform = pageOf<TransformPage>(dialog, transformPage);
        for (QWidget* control : std::initializer_list<QWidget*>{
                 text.fontStyle, text.textOpacity->spinBox, text.textOpacity->slider,
                 transform->resizeAlgorithm, transform->imageWidth.unit}) {
            QVERIFY(!control->hasFocus());
            QVERIFY2(!turnWheelOver(control), control->metaObject()->className());
        }
        QCOMPARE(text.fontStyle->currentIndex(), 0);
        QCOMPARE(text.textOpacity->value(), 100);
        QCOMPARE(text.textOpacity->slider->value(), 100);
        QCOMPARE(transform->resizeAlgorithm->currentIndex(), 0);
        QCOMPARE(transform->imageWidth.unit->currentIndex(), 0);
        dialog->okButton->click();
        QCOMPARE(fixture.settings.watermark.fontStyle, storedCode(FontStyle::regular));
        QCOMPARE(fixture.settings.transform.imageResizeAlgorithm, storedCode(ResizeAlgorithm::box));
    }

    // Every unit list shows its longest unit whole ("Percent", not "Percen").
    void unitListsShowTheirUnitsWhole() {
        WindowFixture fixture;
        fixture.start();
        auto* transform = pageOf<TransformPage>(openPreferences(fixture), transformPage);
        for (QComboBox* unit : {transform->imageWidth.unit, transform->imageHeight.unit}) {
            QStyleOptionComboBox option;
            option.initFrom(unit);
            const QRect shown = unit->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxEditField, unit);
            for (const QString& entry : itemTexts(unit))
                QVERIFY2(unit->fontMetrics().horizontalAdvance(entry) <= shown.width(),
                         qPrintable(entry));
            // The row keeps its right edge.
            QCOMPARE(unit->geometry().right(), 409);
        }
        openDialog(fixture)->cancelButton->click();
    }

    void fontStylesMapToTheStyleList_data() {
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("strikeout");
        QTest::addColumn<int>("code");
        QTest::newRow("regular") << false << false << false << false
                                 << int{storedCode(FontStyle::regular)};
        QTest::newRow("bold") << true << false << false << false
                              << int{storedCode(FontStyle::bold)};
        QTest::newRow("italic") << false << true << false << false
                                << int{storedCode(FontStyle::italic)};
        QTest::newRow("bold italic")
            << true << true << false << false << int{storedCode(FontStyle::boldItalic)};
        QTest::newRow("underline") << false << false << true << false << -1;
        QTest::newRow("bold strikeout") << true << false << false << true << -1;
    }

    void fontStylesMapToTheStyleList() {
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(bool, strikeout);
        QFETCH(int, code);
        QFont font;
        font.setBold(bold);
        font.setItalic(italic);
        font.setUnderline(underline);
        font.setStrikeOut(strikeout);
        const std::optional<FontStyle> style = fontStyleOf(font);
        QCOMPARE(style ? int{storedCode(*style)} : -1, code);
    }

    void imageChooserStartsAtTheFieldAndKeepsItOnCancel() {
        WindowFixture fixture;
        fixture.start();
        fixture.settings.watermark.image = "/tmp/logo.png";
        WatermarkImagePanel& image =
            pageOf<WatermarkPage>(openPreferences(fixture), watermarkPage)->imagePanel;
        image.image.field->setText(QStringLiteral("  /tmp/mark.png \t"));
        fixture.fileAnswer.clear();
        image.image.button->click();
        QCOMPARE(fixture.asked.back(),
                 std::string("openFile|Select Watermark Image|/tmp/mark.png"));
        QCOMPARE(fixture.offeredFilters,
                 QStringList({"All Supported Files (*.png *.bmp *.rle *.dib *.jpg *.jpeg *.jpe "
                              "*.jif)",
                              "Portable Network Graphics (*.png)",
                              "Windows or OS/2 Bitmap (*.bmp *.rle *.dib)",
                              "JPEG File (*.jpg *.jpeg *.jpe *.jif)", "All Files (*)"}));
        QCOMPARE(image.image.field->text(), QStringLiteral("  /tmp/mark.png \t"));

        fixture.fileAnswer = QStringLiteral("/home/user/pictures/stamp.bmp");
        image.image.button->click();
        QCOMPARE(image.image.field->text(), QStringLiteral("/home/user/pictures/stamp.bmp"));
        openDialog(fixture)->cancelButton->click();
        QCOMPARE(fixture.settings.watermark.image, std::string("/tmp/logo.png"));
    }

    // One changed value per control of the four pages: OK stores each, with
    // the texts cleaned, and writes them to config.ini.
    void okStoresEveryControl() {
        WindowFixture fixture;
        fixture.start();
        PreferencesDialog* dialog = openPreferences(fixture);

        auto* transform = pageOf<TransformPage>(dialog, transformPage);
        transform->imageRotation->setChecked(true);
        transform->rotationType->setCurrentIndex(1);
        transform->rotationAngle->slider->setValue(45);
        transform->imageResize->setChecked(true);
        transform->imageWidth.field->setText(QStringLiteral("640"));
        transform->imageWidth.unit->setCurrentIndex(1);
        transform->imageHeight.field->clear();
        transform->imageHeight.unit->setCurrentIndex(1);
        transform->keepAspectRatio->setChecked(false);
        transform->resizeType->setCurrentIndex(1);
        transform->resizeAlgorithm->setCurrentIndex(5);
        transform->flipHorizontal->setChecked(true);
        transform->flipVertical->setChecked(true);

        auto* adjustment = pageOf<AdjustmentPage>(dialog, adjustmentPage);
        adjustment->brightness->slider->setValue(130);
        adjustment->contrast->setValue(-40);
        adjustment->gamma->setValue(230);
        adjustment->invert->setChecked(true);
        adjustment->greyscale->setChecked(true);
        adjustment->threshold->setChecked(true);
        adjustment->thresholdLevel->setValue(200);

        auto* frame = pageOf<FramePage>(dialog, framePage);
        frame->frameType->setCurrentIndex(1);
        for (int band = 0; band < 4; ++band)
            frame->bandWidths[band].field->setText(QString::number(band + 3));
        frame->opacity->setValue(128);

        auto* watermark = pageOf<WatermarkPage>(dialog, watermarkPage);
        watermark->watermarkType->setCurrentIndex(2);
        WatermarkTextPanel& text = watermark->textPanel;
        text.text->setText(QStringLiteral("  Brim\tvale  "));
        text.font.list->setCurrentIndex(2);
        text.fontSize.field->setText(QStringLiteral("30"));
        text.fontLeading.field->setText(QStringLiteral("4"));
        text.fontColor.list->setCurrentIndex(2);
        text.fontStyle->setCurrentIndex(3);
        text.fontEffect->setCurrentIndex(1);
        text.antialiasing->setChecked(true);
        text.alignment->setCurrentIndex(2);
        text.padding.field->setText(QStringLiteral("6"));
        text.textOpacity->setValue(100);
        text.backgroundColor.list->setCurrentIndex(8);
        text.backgroundOpacity->setValue(90);
        text.placement.boundary->setCurrentIndex(1);
        text.placement.position->setCurrentIndex(4);
        text.placement.xOffset.field->setText(QStringLiteral("11"));
        text.placement.yOffset.field->setText(QStringLiteral("12"));
        text.placement.rotation->setValue(300);
        WatermarkImagePanel& image = watermark->imagePanel;
        image.image.field->setText(QStringLiteral("\t/tmp/wm\r\n.png  "));
        image.greyscale->setChecked(true);
        image.opacity->setValue(77);
        image.placement.boundary->setCurrentIndex(1);
        image.placement.position->setCurrentIndex(0);
        image.placement.xOffset.field->setText(QStringLiteral("21"));
        image.placement.yOffset.field->setText(QStringLiteral("22"));
        image.placement.rotation->setValue(90);

        dialog->okButton->click();
        const Settings& stored = fixture.settings;
        const TransformSettings& t = stored.transform;
        QCOMPARE(t.doImageRotation, 1);
        QCOMPARE(t.imageRotationType, storedCode(RotationType::advanced));
        QCOMPARE(t.imageRotation, 45);
        QCOMPARE(t.doImageResize, 1);
        QCOMPARE(t.imageWidth, 640);
        QCOMPARE(t.imageWidthUnit, storedCode(SizeUnit::percent));
        QCOMPARE(t.imageHeight, 0);
        QCOMPARE(t.imageHeightUnit, storedCode(SizeUnit::percent));
        QCOMPARE(t.keepAspectRatio, 0);
        QCOMPARE(t.imageResizeType, storedCode(ResizeType::largeImages));
        QCOMPARE(t.imageResizeAlgorithm, storedCode(ResizeAlgorithm::lanczos));
        QCOMPARE(t.doImageFlipHorizontal, 1);
        QCOMPARE(t.doImageFlipVertical, 1);

        const AdjustmentSettings& a = stored.adjustment;
        QCOMPARE(a.imageBrightness, 30);
        QCOMPARE(a.imageContrast, -40);
        QCOMPARE(a.imageGamma, 2.3f);
        QCOMPARE(a.imageInvert, 1);
        QCOMPARE(a.doImageGreyscale, 1);
        QCOMPARE(a.doImageThreshold, 1);
        QCOMPARE(a.imageThreshold, 200);
        QCOMPARE(a.doImageColorCorrection, 1);

        const FrameSettings& f = stored.frame;
        QCOMPARE(f.doFrame, storedCode(FrameType::solid));
        QCOMPARE(f.solidLeft, 3);
        QCOMPARE(f.solidRight, 4);
        QCOMPARE(f.solidTop, 5);
        QCOMPARE(f.solidBottom, 6);
        QCOMPARE(f.solidOpacity, 128);

        const WatermarkSettings& w = stored.watermark;
        QCOMPARE(w.doWatermark, storedCode(WatermarkType::picture));
        QCOMPARE(w.text, std::string("Brimvale"));
        QCOMPARE(w.font, std::string("Verdana"));
        QCOMPARE(w.fontSize, 30);
        QCOMPARE(w.fontLeading, 4);
        QCOMPARE(w.fontColor, std::string("FF0000"));
        QCOMPARE(w.fontStyle, storedCode(FontStyle::boldItalic));
        QCOMPARE(w.fontEffect, storedCode(FontEffect::underline));
        QCOMPARE(w.textAntialiasing, 1);
        QCOMPARE(w.textAlignment, storedCode(TextAlignment::right));
        QCOMPARE(w.textPadding, 6);
        QCOMPARE(w.textOpacity, 100);
        QCOMPARE(w.backColor, std::string("8000FF"));
        QCOMPARE(w.backOpacity, 90);
        QCOMPARE(w.textBoundary, storedCode(PlacementArea::frame));
        QCOMPARE(w.textPosition, storedCode(AnchorPosition::middleCenter));
        QCOMPARE(w.textXOffset, 11);
        QCOMPARE(w.textYOffset, 12);
        QCOMPARE(w.textRotation, 300);
        QCOMPARE(w.textSize, storedCode(WatermarkSizeMode::fixed));
        QCOMPARE(w.textScale, 10);
        QCOMPARE(w.image, std::string("/tmp/wm.png"));
        QCOMPARE(w.imageGreyscale, 1);
        QCOMPARE(w.imageOpacity, 77);
        QCOMPARE(w.imageBoundary, storedCode(PlacementArea::frame));
        QCOMPARE(w.imagePosition, storedCode(AnchorPosition::topLeft));
        QCOMPARE(w.imageXOffset, 21);
        QCOMPARE(w.imageYOffset, 22);
        QCOMPARE(w.imageRotation, 90);
        QCOMPARE(w.imageSize, storedCode(WatermarkSizeMode::fixed));
        QCOMPARE(w.imageScale, 10);

        QCOMPARE(fixture.configLine("Text"), std::string("Text = Brimvale"));
        QCOMPARE(fixture.configLine("Image Brightness"), std::string("Image Brightness = 30"));
        QCOMPARE(fixture.configLine("Solid Bottom"), std::string("Solid Bottom = 6"));
        QCOMPARE(fixture.configLine("Do Image Color Correction"),
                 std::string("Do Image Color Correction = 1"));
    }
};

static const bool registered = registerUiTest<PreferencesImagePagesTest>();

}  // namespace tessaro::test

#include "preferences_image_pages_qtest.moc"
