#include "ui/uninstall_window.h"

#include <QApplication>

#include "l10n/string_table.h"
#include "ui/qt_text.h"
#include "ui/shell_open.h"
#include "update/vendor_endpoints.h"

namespace tessaro {

UninstallWindow::UninstallWindow() {
    setWindowTitle(uiText("Uninstall", "Title"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(300, 100);

    visitPageBox = new QCheckBox(uiText("Uninstall", "Uninstall Text"), this);
    visitPageBox->setGeometry(30, 20, 250, 20);
    visitPageBox->setChecked(true);
    nextButton = new QPushButton(uiText("Uninstall", "Next"), this);
    nextButton->setGeometry(200, 60, 80, 25);
    nextButton->setDefault(true);
    connect(nextButton, &QPushButton::clicked, this, &UninstallWindow::next);
}

void UninstallWindow::next() {
    if (visitPageBox->isChecked())
        runProgram(uninstallPageAddress());
    accept();
}

int runUninstallWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    loadStringTable();
    UninstallWindow window;
    window.exec();
    return 0;
}

}  // namespace tessaro
