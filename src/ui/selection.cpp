#include "ui/selection.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <filesystem>

#include "batch/input_queue.h"
#include "engine/format_registry.h"
#include "settings/run_state.h"
#include "ui/folder_history.h"
#include "ui/input_filter.h"
#include "ui/qt_text.h"
#include "ui/user_dialogs.h"

namespace tessaro {

namespace {

void postSizeEvent(MainWindow& window) {
    QCoreApplication::postEvent(&window, new QResizeEvent(window.size(), window.size()));
}

void chooseOutputFolder(WindowMode& mode, const std::string& folder) {
    addRecentOutputFolder(mode.settings, folder);
    mode.job.output.folder = folder;
    refreshOutputFolderList(mode);
}

}  // namespace

std::string folderOfPath(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool acceptInputFile(WindowMode& mode, const std::string& path) {
    if (!addInputFile(mode.job, path))
        return false;
    mode.window->inputField->setText(toQString(path));
    proposeOutputFolder(mode, path);
    return true;
}

void proposeOutputFolder(WindowMode& mode, const std::string& inputPath) {
    if (!mode.window->outputFolderList->currentText().isEmpty())
        return;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(inputPath, error);
    if (error)
        return;
    chooseOutputFolder(mode, mode.job.inputBaseFolder.empty() ? folderOfPath(absolute.string())
                                                              : mode.job.inputBaseFolder);
}

void selectInputFile(WindowMode& mode) {
    MainWindow& window = *mode.window;
    const QString chosen = userDialogs().openFile(
        &window, uiText("Dialog", "Select Input Files"), toQString(mode.job.namedInput),
        requesterFilters(inputFilterLines(acceptedInputExtensions())));
    if (!chosen.isEmpty())
        acceptInputFile(mode, toUtf8(chosen));
    mode.job.namedInput.clear();
    postSizeEvent(window);
}

void selectOutputFolder(WindowMode& mode) {
    MainWindow& window = *mode.window;
    std::string startFolder = mode.job.output.folder;
    const QString listed = window.outputFolderList->currentText();
    if (!listed.isEmpty())
        startFolder = folderOfPath(toUtf8(listed));
    const QString chosen = userDialogs().selectFolder(
        &window, uiText("Dialog", "Select Output Folder"), toQString(startFolder));
    std::error_code error;
    if (!chosen.isEmpty() && std::filesystem::is_directory(toUtf8(chosen), error)) {
        std::string folder = toUtf8(chosen);
        if (folder.back() != '/')
            folder += '/';
        chooseOutputFolder(mode, folder);
    }
    postSizeEvent(window);
}

void refreshOutputFolderList(WindowMode& mode) {
    if (mode.settings.file.recentOutFolders.empty())
        return;
    QComboBox& list = *mode.window->outputFolderList;
    const QSignalBlocker quiet(list);
    list.clear();
    int selected = 0;
    const QIcon icon = menuIcon(mode.images, "FavFolder");
    for (int index = 0; index < mode.settings.advanced.outFoldersNumber; ++index) {
        const std::string folder = recentOutputFolder(mode.settings, index);
        if (folder.empty())
            continue;
        if (folder == mode.job.output.folder)
            selected = list.count();
        list.addItem(icon, toQString(folder));
    }
    list.setCurrentIndex(selected);
}

void newJob(WindowMode& mode) {
    refreshOutputFolderList(mode);
    initializeRunState(mode.job);
    MainWindow& window = *mode.window;
    window.inputField->clear();
    const QSignalBlocker quiet(window.outputFolderList);
    window.outputFolderList->setCurrentIndex(-1);
}

}  // namespace tessaro
