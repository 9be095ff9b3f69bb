#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStringList>
#include <QToolBar>
#include <array>

#include "settings/settings.h"
#include "ui/window_images.h"

namespace tessaro {

// The main window with its controls. It only reports what the user does, as
// commands, dropped files and the close request; the handlers of the window
// mode decide what happens.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // What the menus, the toolbar, the field buttons, the Convert button and
    // the keyboard shortcuts ask for.
    enum class Command {
        newJob,
        selectInputFile,
        selectOutputFolder,
        outputFormatOptions,
        exit,
        convert,
        customConverter,
        preferences,
        manual,
        sendFeedback,
        visitHomepage,
        checkForNewVersion,
        about,
    };
    Q_ENUM(Command)

    explicit MainWindow(const Settings& settings, const WindowImages& images);

    const Settings& settings;
    const WindowImages& images;

    QWidget* client = nullptr;  // the area below the menu bar
    QToolBar* mainToolbar = nullptr;
    QWidget* container = nullptr;  // holds the fields, their buttons and Convert
    QLabel* inputLabel = nullptr;
    QLineEdit* inputField = nullptr;
    QLabel* outputFolderLabel = nullptr;
    QComboBox* outputFolderList = nullptr;
    QLabel* outputFormatLabel = nullptr;
    QComboBox* outputFormatList = nullptr;
    QPushButton* convertButton = nullptr;
    QLabel* copyrightLabel = nullptr;
    QLabel* statusField = nullptr;
    std::array<QToolBar*, 3> fieldButtons{};

    int menuHeight = 0;
    int toolbarHeight = 0;
    int statusBarHeight = 0;

signals:
    void commandRequested(MainWindow::Command command);
    void filesDropped(const QStringList& paths);
    void closeRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// Each builder replaces what it built before, from the current images and
// texts; the field buttons are placed for the window's current width.
void buildMenu(MainWindow& window);
void buildToolbar(MainWindow& window);
void buildFieldButtons(MainWindow& window);

// Places the controls for the window's current size; runs on every size
// change. Only the width can change: the fields grow with it and the field
// buttons and the Convert button keep their distance to the right edge.
void layoutMainWindow(MainWindow& window);

// The short copyright line of the main window and the About window.
QString copyrightNotice();

// The status bar's one field.
void setStatusText(MainWindow& window, const QString& text);

// The paths of the local files in a drop, in the order given.
QStringList droppedFilePaths(const QList<QUrl>& urls);

}  // namespace tessaro
