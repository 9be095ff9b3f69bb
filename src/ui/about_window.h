#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "ui/window_mode.h"

namespace tessaro {

// The About window: the banner, the product title, the copyright
// line, the vendor's home page and support address as links that open in
// the browser and the mail program while the window stays open, and OK.
// Return and Escape close it like OK.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    AboutWindow(const WindowImages& images, QWidget* parent);

    QLabel* banner = nullptr;
    QLabel* titleLabel = nullptr;
    QLabel* copyrightLabel = nullptr;
    QLabel* webLink = nullptr;
    QLabel* mailLink = nullptr;
    QPushButton* okButton = nullptr;
};

// The About command: opens the About window over the main window, which takes no
// input until it closes. The window deletes itself when closed.
AboutWindow* openAboutWindow(WindowMode& mode);

}  // namespace tessaro
