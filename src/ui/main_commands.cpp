#include "ui/main_commands.h"

#include "ui/about_window.h"
#include "ui/conversion_run.h"
#include "ui/converter_window.h"
#include "ui/preferences/preferences_dialog.h"
#include "ui/qt_text.h"
#include "ui/selection.h"
#include "ui/shell_open.h"
#include "ui/update_commands.h"
#include "update/manual_location.h"
#include "update/vendor_endpoints.h"

namespace tessaro {

namespace {

using Command = MainWindow::Command;

}  // namespace

void runMainCommand(WindowMode& mode, Command command) {
    switch (command) {
        case Command::newJob:
            newJob(mode);
            break;
        case Command::exit:
            mode.window->close();
            break;
        case Command::selectInputFile:
            selectInputFile(mode);
            break;
        case Command::selectOutputFolder:
            selectOutputFolder(mode);
            break;
        case Command::convert:
            startConversion(mode);
            break;
        case Command::outputFormatOptions:
            mode.state.preferencesPage = outputPreferencesPage;
            openPreferencesDialog(mode);
            break;
        case Command::preferences:
            openPreferencesDialog(mode);
            break;
        case Command::customConverter:
            openCustomConverter(mode);
            break;
        case Command::manual:
            runProgram(manualPath());
            break;
        case Command::sendFeedback:
            runProgram(feedbackMailLink());
            break;
        case Command::visitHomepage:
            runProgram(productPageAddress());
            break;
        case Command::checkForNewVersion:
            checkForUpdateNow(mode);
            break;
        case Command::about:
            openAboutWindow(mode);
            break;
    }
}

void connectMainWindow(WindowMode& mode) {
    MainWindow& window = *mode.window;
    QObject::connect(&window, &MainWindow::commandRequested, &window,
                     [&mode](Command command) { runMainCommand(mode, command); });
    QObject::connect(&window, &MainWindow::filesDropped, &window,
                     [&mode](const QStringList& paths) {
                         // The worker reads the job; a drop waits for the run's end.
                         if (!paths.isEmpty() && activeProgressWindow(mode) == nullptr)
                             acceptInputFile(mode, toUtf8(paths.front()));
                     });
    // A typed or pasted input path counts once the field is left, as a drop.
    QObject::connect(window.inputField, &QLineEdit::editingFinished, &window, [&mode] {
        const QString typed = mode.window->inputField->text().trimmed();
        if (!typed.isEmpty() && activeProgressWindow(mode) == nullptr)
            acceptInputFile(mode, toUtf8(typed));
    });
    QObject::connect(window.outputFolderList, &QComboBox::currentTextChanged, &window,
                     [&mode](const QString& text) { mode.job.output.folder = toUtf8(text); });
    QObject::connect(window.outputFormatList, &QComboBox::currentIndexChanged, &window,
                     [&mode](int index) {
                         const QVariant key = mode.window->outputFormatList->itemData(index);
                         if (key.isValid())
                             mode.settings.output.format = toUtf8(key.toString());
                     });
}

}  // namespace tessaro
