#include "ui/window_refresh.h"

#include <QCoreApplication>
#include <QResizeEvent>

#include "ui/qt_text.h"
#include "ui/selection.h"

namespace tessaro {

namespace {

void postSizeEvent(MainWindow& window) {
    QCoreApplication::postEvent(&window, new QResizeEvent(window.size(), window.size()));
}

void setListIcons(QComboBox& list, const QIcon& icon) {
    for (int index = 0; index < list.count(); ++index)
        list.setItemIcon(index, icon);
}

void showNewTheme(WindowMode& mode) {
    MainWindow& window = *mode.window;
    buildMenu(window);
    buildToolbar(window);
    buildFieldButtons(window);
    const QPixmap convertImage = buttonImage(mode.images, "Convert");
    window.convertButton->setIcon(QIcon(convertImage));
    window.convertButton->setText(convertImage.isNull() ? uiText("Menu", "Convert") : QString());
    setListIcons(*window.outputFolderList, menuIcon(mode.images, "FavFolder"));
    setListIcons(*window.outputFormatList, menuIcon(mode.images, "New"));
}

}  // namespace

void noteInterfaceChange(WindowState& state, const InterfaceSettings& shown,
                         const InterfaceSettings& next) {
    if (next.uiSize != shown.uiSize)
        state.pendingReload = WindowReload::toolbar;
    if (next.uiTheme != shown.uiTheme)
        state.pendingReload = WindowReload::everyPicture;
}

void applyPreferencesToWindow(WindowMode& mode) {
    MainWindow& window = *mode.window;
    const WindowReload reload = mode.state.pendingReload;
    if (reload != WindowReload::nothing) {
        // The pictures are read again from the built-in set and the chosen
        // theme, so a picture the new theme lacks falls back to the built-in one.
        mode.images = loadWindowImages(mode.themes, mode.settings.interface);
        if (reload == WindowReload::everyPicture)
            showNewTheme(mode);
        else
            buildToolbar(window);
        postSizeEvent(window);
        mode.state.pendingReload = WindowReload::nothing;
    }
    const int format = window.outputFormatList->findData(toQString(mode.settings.output.format));
    if (format >= 0)
        window.outputFormatList->setCurrentIndex(format);
    if (window.outputFolderList->count() != mode.settings.advanced.outFoldersNumber)
        refreshOutputFolderList(mode);
}

}  // namespace tessaro
