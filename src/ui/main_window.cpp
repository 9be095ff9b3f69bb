#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QMimeData>
#include <QResizeEvent>
#include <QShortcut>
#include <QStatusBar>
#include <QUrl>
#include <optional>

#include "l10n/product_identity.h"
#include "ui/qt_text.h"

namespace tessaro {

namespace {

constexpr int fieldButtonIconSize = 16;
constexpr int fieldButtonSize = 24;
constexpr int fieldButtonRightDistance = 146;
constexpr int convertButtonRightDistance = 110;
constexpr int fieldRightMargin = 160;
constexpr std::array<int, 3> fieldButtonTops = {19, 59, 99};
constexpr int convertImageSize = 64;

using Command = MainWindow::Command;

struct MenuItem {
    std::optional<Command> command;  // none for a separator
    const char* textKey;
    const char* shortcutText;
    const char* iconKey;
};

struct MenuTitle {
    const char* titleKey;
    std::initializer_list<MenuItem> items;
};

constexpr MenuItem separator{std::nullopt, nullptr, nullptr, nullptr};

const std::initializer_list<MenuTitle> menuTree = {
    {"File",
     {{Command::newJob, "New", "Ctrl+N", "New"},
      separator,
      {Command::selectInputFile, "Select Input File", nullptr, "Add"},
      {Command::selectOutputFolder, "Select Output Folder", nullptr, "OutFolder"},
      separator,
      {Command::exit, "Exit", "Alt+X", "Exit"}}},
    {"Converter",
     {{Command::convert, "Convert", "F5", "Convert"},
      separator,
      {Command::customConverter, "Custom Converter", nullptr, "CustomConverter"},
      separator,
      {Command::preferences, "Preferences", nullptr, "Preferences"}}},
    {"Help",
     {{Command::manual, "Manual", "F1", "Help"},
      separator,
      {Command::sendFeedback, "Send Feedback", nullptr, "Email"},
      {Command::visitHomepage, "Visit Homepage", nullptr, "Web"},
      {Command::checkForNewVersion, "Check For New Version", nullptr, "Updates"},
      separator,
      {Command::about, "About", nullptr, "About"}}},
};

const std::initializer_list<MenuItem> toolbarButtons = {
    {Command::newJob, "New", nullptr, "New"},
    {Command::selectInputFile, "Select Input File", nullptr, "Add"},
    {Command::selectOutputFolder, "Select Output Folder", nullptr, "OutFolder"},
    separator,
    {Command::preferences, "Preferences", nullptr, "Preferences"},
    separator,
    {Command::convert, "Convert", nullptr, "Convert"},
    separator,
    {Command::manual, "Manual", nullptr, "Help"},
    {Command::sendFeedback, "Send Feedback", nullptr, "Email"},
    {Command::visitHomepage, "Visit Homepage", nullptr, "Web"},
    {Command::checkForNewVersion, "Check For New Version", nullptr, "Updates"},
};

const std::array<MenuItem, 3> fieldButtonItems = {{
    {Command::selectInputFile, "Select Input File", nullptr, "Add"},
    {Command::selectOutputFolder, "Select Output Folder", nullptr, "OutFolder"},
    {Command::outputFormatOptions, "Output Format Options", nullptr, "OutFormat"},
}};

struct ShortcutKey {
    QKeySequence keys;
    Command command;
};

QAction* commandAction(MainWindow& window, QObject* owner, const QIcon& icon, const QString& text,
                       Command command) {
    auto* action = new QAction(icon, text, owner);
    QObject::connect(action, &QAction::triggered, &window,
                     [&window, command] { emit window.commandRequested(command); });
    return action;
}

QLabel* createLabel(QWidget* parent, std::string_view key, int x, int y) {
    auto* label = new QLabel(uiText("General", key), parent);
    label->setGeometry(x, y, 350, 20);
    return label;
}

QComboBox* createImageList(QWidget* parent, int y) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setIconSize(QSize(fieldButtonIconSize, fieldButtonIconSize));
    list->setGeometry(10, y, 350, 21);
    return list;
}

// The field buttons keep their distance to the window's right edge, each
// beside its field.
void placeFieldButtons(MainWindow& window) {
    for (size_t index = 0; index < window.fieldButtons.size(); ++index) {
        window.fieldButtons[index]->setGeometry(window.width() - fieldButtonRightDistance,
                                                fieldButtonTops[index], fieldButtonSize,
                                                fieldButtonSize);
        window.fieldButtons[index]->repaint();
    }
}

}  // namespace

MainWindow::MainWindow(const Settings& windowSettings, const WindowImages& windowImages)
    : settings(windowSettings), images(windowImages) {
    setWindowTitle(toQString(productTitle(productName, programVersion)));
    move(settings.window.x, settings.window.y);
    resize(settings.window.width, settings.window.height);
    setMinimumSize(mainWindowWidth, mainWindowHeight);
    setMaximumSize(QWIDGETSIZE_MAX, mainWindowHeight);
    setAcceptDrops(true);

    buildMenu(*this);
    menuHeight = menuBar()->sizeHint().height();

    client = new QWidget(this);
    setCentralWidget(client);
    buildToolbar(*this);

    statusField = new QLabel(this);
    statusBar()->addWidget(statusField, 1);
    statusBar()->setSizeGripEnabled(false);
    statusBarHeight = statusBar()->sizeHint().height();

    container = new QWidget(client);
    container->setGeometry(0, toolbarHeight, width(), height() - 130);
    inputLabel = createLabel(container, "Input File", 10, 5);
    inputField = new QLineEdit(container);
    inputField->setGeometry(10, 20, 350, 20);
    buildFieldButtons(*this);
    outputFolderLabel = createLabel(container, "Output Folder", 10, 45);
    outputFolderList = createImageList(container, 60);
    outputFormatLabel = createLabel(container, "Output Format", 10, 85);
    outputFormatList = createImageList(container, 100);

    convertButton = new QPushButton(container);
    convertButton->setGeometry(400, 20, 100, 100);
    convertButton->setIconSize(QSize(convertImageSize, convertImageSize));
    convertButton->setToolTip(uiText("Menu", "Convert"));
    const QPixmap convertImage = buttonImage(images, "Convert");
    if (convertImage.isNull())
        convertButton->setText(uiText("Menu", "Convert"));
    else
        convertButton->setIcon(QIcon(convertImage));
    connect(convertButton, &QPushButton::clicked, this,
            [this] { emit commandRequested(Command::convert); });

    copyrightLabel = new QLabel(copyrightNotice(), client);
    copyrightLabel->setGeometry(10, height() - 70, 350, 20);

    const ShortcutKey shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), Command::newJob},
        {QKeySequence(Qt::ALT | Qt::Key_X), Command::exit},
        {QKeySequence(Qt::Key_F5), Command::convert},
        {QKeySequence(Qt::Key_F1), Command::manual},
    };
    for (const ShortcutKey& shortcut : shortcuts) {
        auto* key = new QShortcut(shortcut.keys, this);
        const Command command = shortcut.command;
        connect(key, &QShortcut::activated, this,
                [this, command] { emit commandRequested(command); });
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutMainWindow(*this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    emit closeRequested();
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedFilePaths(event->mimeData()->urls());
    if (paths.isEmpty())
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit filesDropped(paths);
}

QStringList droppedFilePaths(const QList<QUrl>& urls) {
    QStringList paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

void buildMenu(MainWindow& window) {
    QMenuBar* bar = window.menuBar();
    bar->clear();
    for (const MenuTitle& title : menuTree) {
        QMenu* menu = bar->addMenu(uiText("Menu", title.titleKey));
        for (const MenuItem& item : title.items) {
            if (!item.command) {
                menu->addSeparator();
                continue;
            }
            QString text = uiText("Menu", item.textKey);
            if (item.shortcutText != nullptr)
                text += QLatin1Char('\t') + QLatin1String(item.shortcutText);
            menu->addAction(commandAction(window, menu, menuIcon(window.images, item.iconKey), text,
                                          *item.command));
        }
    }
}

void buildToolbar(MainWindow& window) {
    delete window.mainToolbar;
    auto* toolbar = new QToolBar(window.client);
    window.mainToolbar = toolbar;
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const int iconSize = window.images.toolbarIconSize;
    toolbar->setIconSize(QSize(iconSize, iconSize));
    for (const MenuItem& item : toolbarButtons) {
        if (!item.command) {
            toolbar->addSeparator();
            continue;
        }
        QAction* action = commandAction(window, toolbar, toolbarIcon(window.images, item.iconKey),
                                        uiText("Menu", item.textKey), *item.command);
        action->setToolTip(uiText("Menu", item.textKey));
        toolbar->addAction(action);
    }
    window.toolbarHeight = toolbar->sizeHint().height();
    toolbar->setGeometry(0, 0, window.width(), window.toolbarHeight);
    toolbar->show();
}

void buildFieldButtons(MainWindow& window) {
    for (size_t index = 0; index < fieldButtonItems.size(); ++index) {
        QToolBar*& button = window.fieldButtons[index];
        delete button;
        button = new QToolBar(window.container);
        button->setMovable(false);
        button->setFloatable(false);
        button->setIconSize(QSize(fieldButtonIconSize, fieldButtonIconSize));
        // Free placement: no handle, no frame, no divider and no stretching.
        button->setStyleSheet(
            QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; }"));
        const MenuItem& item = fieldButtonItems[index];
        QAction* action = commandAction(window, button, menuIcon(window.images, item.iconKey),
                                        uiText("Menu", item.textKey), *item.command);
        action->setToolTip(uiText("Menu", item.textKey));
        button->addAction(action);
        button->show();
    }
    placeFieldButtons(window);
}

void layoutMainWindow(MainWindow& window) {
    if (window.container == nullptr)
        return;
    const int w = window.width();
    const int h = window.height();
    window.mainToolbar->setGeometry(0, 0, w, window.toolbarHeight);
    window.container->setGeometry(
        window.container->x(), window.toolbarHeight, w,
        h - window.menuHeight - window.toolbarHeight - window.statusBarHeight - 40);
    for (QWidget* field :
         {static_cast<QWidget*>(window.inputField), static_cast<QWidget*>(window.outputFolderList),
          static_cast<QWidget*>(window.outputFormatList)})
        field->resize(w - fieldRightMargin, field->height());
    placeFieldButtons(window);
    window.convertButton->move(w - convertButtonRightDistance, window.convertButton->y());
    window.update();
}

QString copyrightNotice() {
    return QStringLiteral("\u00a9 Brimvale. All rights reserved.");
}

void setStatusText(MainWindow& window, const QString& text) {
    window.statusField->setText(text);
}

}  // namespace tessaro
