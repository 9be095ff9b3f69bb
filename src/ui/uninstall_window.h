#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

namespace tessaro {

// The window that the uninstaller shows: a check box, ticked at
// first, that asks to visit the vendor's uninstall page, and Next, which
// opens that page only while the box is ticked. Next and the close box both
// end the window.
class UninstallWindow : public QDialog {
    Q_OBJECT

public:
    UninstallWindow();

    QCheckBox* visitPageBox = nullptr;
    QPushButton* nextButton = nullptr;

private:
    void next();
};

// The whole "-U" run: Qt, the texts and the uninstall window until it ends.
// The preferences are neither read nor written. Returns the exit status, 0.
int runUninstallWindow(int argc, char** argv);

}  // namespace tessaro
