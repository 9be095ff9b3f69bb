#include "ui/main_commands.h"

#include "ui/about_window.h"
#include "ui/conversion_run.h"
#include "ui/converter_window.h"
#include "ui/preferences/preferences_dialog.h"
#include "ui/qt_text.h"
#include "ui/selection.h"
#include "ui/shell_open.h"
#include "ui/update_commands.h"
#include "ui/window_numbers.h"
#include "update/manual_location.h"
#include "update/vendor_endpoints.h"

namespace tessaro {

void runMainCommand(WindowMode& mode, int command) {
    switch (command) {
        case newCommand:
            newJob(mode);
            break;
        case exitCommand:
            mode.window->close();
            break;
        case selectInputFileCommand:
            selectInputFile(mode);
            break;
        case selectOutputFolderCommand:
            selectOutputFolder(mode);
            break;
        case convertCommand:
            startConversion(mode);
            break;
        case outputFormatOptionsCommand:
            mode.state.preferencesPage = outputPreferencesPage;
            openPreferencesDialog(mode);
            break;
        case preferencesCommand:
            openPreferencesDialog(mode);
            break;
        case customConverterCommand:
            openCustomConverter(mode);
            break;
        case manualCommand:
            runProgram(manualPath());
            break;
        case sendFeedbackCommand:
            runProgram(feedbackMailLink());
            break;
        case visitHomepageCommand:
            runProgram(productPageAddress());
            break;
        case checkForNewVersionCommand:
            checkForUpdateNow(mode);
            break;
        case aboutCommand:
            openAboutWindow(mode);
            break;
        default:
            break;
    }
}

void connectMainWindow(WindowMode& mode) {
    MainWindow& window = *mode.window;
    QObject::connect(&window, &MainWindow::commandRequested, &window,
                     [&mode](int command) { runMainCommand(mode, command); });
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
