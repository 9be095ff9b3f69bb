#include "ui/preferences/preferences_dialog.h"

#include <QFrame>
#include <QHeaderView>
#include <QPalette>
#include <QScrollArea>
#include <string_view>

#include "settings/preferences_file.h"
#include "settings/reset_settings.h"
#include "ui/preferences/focused_wheel.h"
#include "ui/preferences/preferences_pages.h"
#include "ui/qt_text.h"
#include "ui/user_dialogs.h"
#include "ui/window_refresh.h"
#include "ui/window_startup.h"

namespace tessaro {

namespace {

constexpr std::array<const char*, preferencesPageCount> pageNameKeys = {
    "General",    "Interface", "Input",     "Output",   "Transform",
    "Adjustment", "Frame",     "Watermark", "Advanced",
};
static_assert(std::string_view(pageNameKeys[outputPreferencesPage]) == "Output");

constexpr QSize dialogSize{600, 350};
constexpr QRect pageListPlace{10, 10, 120, 295};
constexpr QRect titleBarPlace{140, 10, 450, 30};
constexpr QRect pageTitlePlace{150, 17, 330, 20};
constexpr QRect pageAreaPlace{140, 50, 450, 255};
constexpr QRect defaultsButtonPlace{10, 315, 80, 25};
constexpr QRect okButtonPlace{420, 315, 80, 25};
constexpr QRect cancelButtonPlace{510, 315, 80, 25};
constexpr int pageTitlePoints = 10;

QPushButton* dialogButton(QWidget* parent, std::string_view key, const QRect& place) {
    auto* button = new QPushButton(uiText("Dialog", key), parent);
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

QWidget* whiteTitleBar(QWidget* parent) {
    auto* bar = new QFrame(parent);
    bar->setGeometry(titleBarPlace);
    bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->setLineWidth(1);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, Qt::white);
    bar->setPalette(palette);
    return bar;
}

QLabel* boldPageTitle(QWidget* parent) {
    auto* title = new QLabel(parent);
    title->setGeometry(pageTitlePlace);
    QFont font = title->font();
    font.setPointSize(pageTitlePoints);
    font.setBold(true);
    title->setFont(font);
    title->setAutoFillBackground(true);
    QPalette palette = title->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    title->setPalette(palette);
    return title;
}

QTreeWidget* newPageList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setGeometry(pageListPlace);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setColumnCount(1);
    for (const char* key : pageNameKeys)
        list->addTopLevelItem(new QTreeWidgetItem(QStringList(uiText("Preferences", key))));
    // The chosen page stays marked while the focus is on the page's controls.
    QPalette palette = list->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    list->setPalette(palette);
    return list;
}

int8_t colorCorrectionNeeded(const AdjustmentSettings& adjustment) {
    const bool needed = adjustment.imageBrightness != 0 || adjustment.imageContrast != 0 ||
                        adjustment.imageGamma != 1.0f || adjustment.imageInvert != 0;
    return needed ? 1 : 0;
}

}  // namespace

PreferencesDialog::PreferencesDialog(WindowMode& mode)
    : QDialog(mode.window.get(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      mode_(mode),
      context_{mode.settings, mode.themes, mode.images} {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(uiText("Preferences", "Title"));
    setFixedSize(dialogSize);

    pageList = newPageList(this);
    whiteTitleBar(this);
    pageTitle = boldPageTitle(this);
    auto* pageArea = new QWidget(this);
    pageArea->setGeometry(pageAreaPlace);
    pages_ = createPreferencesPages(context_, pageArea);
    for (QScrollArea* scrolling : pageArea->findChildren<QScrollArea*>())
        keepWheelForFocusedControls(scrolling->widget());
    defaultsButton = dialogButton(this, "Defaults", defaultsButtonPlace);
    okButton = dialogButton(this, "OK", okButtonPlace);
    cancelButton = dialogButton(this, "Cancel", cancelButtonPlace);

    for (PreferencesPage* page : pages_)
        page->fill(mode.settings);

    connect(pageList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr)
            showPreferencesPage(pageList->indexOfTopLevelItem(item));
    });
    connect(okButton, &QPushButton::clicked, this, &PreferencesDialog::storeAndClose);
    connect(defaultsButton, &QPushButton::clicked, this, &PreferencesDialog::resetAndClose);
    // Escape and the close box reach reject() as well.
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PreferencesDialog::showPreferencesPage(int number) {
    if (number < 0 || number >= preferencesPageCount)
        return;
    currentPage_ = number;
    pageTitle->setText(uiText("Preferences", pageNameKeys[number]));
    for (int index = 0; index < preferencesPageCount; ++index)
        pages_[index]->setVisible(index == number);
}

void PreferencesDialog::storeAndClose() {
    Settings edited = mode_.settings;
    for (PreferencesPage* page : pages_)
        page->store(edited);
    edited.adjustment.doImageColorCorrection = colorCorrectionNeeded(edited.adjustment);
    const InterfaceSettings shown = mode_.settings.interface;
    mode_.settings = edited;
    finishWith(shown);
}

void PreferencesDialog::resetAndClose() {
    if (!userDialogs().question(this, uiText("Msg", "Reset to Defaults"),
                                uiText("Msg", "Ask reset to defaults")))
        return;
    // The main window shows the interface of the settings before the reset,
    // whatever the dialog shows now, so that is what the reset compares with.
    const InterfaceSettings shown = mode_.settings.interface;
    resetSettings(mode_.settings, false, primaryDisplaySize());
    finishWith(shown);
}

void PreferencesDialog::finishWith(const InterfaceSettings& shown) {
    noteInterfaceChange(mode_.state, shown, mode_.settings.interface);
    // A file that cannot be written is not reported: the settings in memory
    // hold the choices and the next save tries again.
    static_cast<void>(savePreferences(mode_.settings, mode_.preferences));
    applyPreferencesToWindow(mode_);
    accept();
}

void PreferencesDialog::done(int result) {
    QDialog::done(result);
    if (QWidget* window = parentWidget()) {
        window->activateWindow();
        window->setFocus();
    }
}

PreferencesDialog* openPreferencesDialog(WindowMode& mode) {
    if (auto* open = mode.window->findChild<PreferencesDialog*>(); open && open->isVisible())
        return open;
    auto* dialog = new PreferencesDialog(mode);
    const int page = std::clamp<int>(mode.state.preferencesPage, 0, preferencesPageCount - 1);
    dialog->pageList->setCurrentItem(dialog->pageList->topLevelItem(page));
    dialog->showPreferencesPage(page);
    mode.state.preferencesPage = 0;
    dialog->move(mode.window->frameGeometry().center() - dialog->rect().center());
    // Window-modal: the main window takes no input while the dialog is open.
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
    dialog->activateWindow();
    dialog->pageList->setFocus();
    return dialog;
}

}  // namespace tessaro
