#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "settings/setting_codes.h"
#include "themes/png_fixture.h"
#include "themes/zip_writer.h"
#include "ui/window_images.h"
#include "window_fixture.h"

namespace tessaro::test {

class WindowImagesTest : public QObject {
    Q_OBJECT

private slots:
    // A package picture with a sound PNG header but a broken body keeps the
    // built-in picture in place; a sound one replaces it.
    void brokenThemePictureKeepsTheBuiltInOne() {
        QTemporaryDir folder;
        ThemeState themes;
        themes.folder = folder.path().toStdString() + "/";
        QVERIFY(writeZipArchive(themes.folder + "mixed.zip",
                                {{"theme.cfg", "[Icons]\r\nNew=new\r\nAdd=add\r\n"},
                                 {"new_16.png", pngWithBrokenBody(16, 16)},
                                 {"add_16.png", pngOfSize(20, 20)}})
                    .ok());
        InterfaceSettings interface;
        interface.uiTheme = "mixed";
        interface.uiSize = storedCode(IconSize::small);

        const WindowImages images = loadWindowImages(themes, interface);
        for (const QIcon& icon : {menuIcon(images, "New"), toolbarIcon(images, "New")}) {
            QVERIFY(!icon.isNull());
            QCOMPARE(icon.availableSizes().value(0), QSize(16, 16));
        }
        QCOMPARE(menuIcon(images, "Add").availableSizes().value(0), QSize(20, 20));
    }
};

namespace {
const bool registered = registerUiTest<WindowImagesTest>();
}

}  // namespace tessaro::test

#include "window_images_qtest.moc"
