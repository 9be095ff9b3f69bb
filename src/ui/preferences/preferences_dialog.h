#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <array>

#include "ui/preferences/preferences_page.h"
#include "ui/window_mode.h"

namespace tessaro {

inline constexpr int preferencesPageCount = 9;
// The Output page, which the Output Format Options command opens.
inline constexpr int outputPreferencesPage = 3;

// The preferences dialog: the page list, the title bar with the current
// page's name, the page area with the nine pages, and Defaults, OK and
// Cancel. It edits copies of the settings in its controls; only OK and
// Defaults write the settings, save them and refresh the main window.
// Cancel, Escape and the close box drop the edits. The dialog deletes
// itself once closed.
class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    explicit PreferencesDialog(WindowMode& mode);

    // Shows the title and container of page `number` (0 to 8) and hides the
    // other pages; the page list's selection is left as it is.
    void showPreferencesPage(int number);
    int currentPage() const { return currentPage_; }
    PreferencesPage* page(int number) const { return pages_.at(number); }

    QTreeWidget* pageList = nullptr;
    QLabel* pageTitle = nullptr;
    QPushButton* defaultsButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void done(int result) override;

private:
    void storeAndClose();
    void resetAndClose();
    void finishWith(const InterfaceSettings& chosen);

    WindowMode& mode_;
    PreferencesContext context_;
    std::array<PreferencesPage*, preferencesPageCount> pages_{};
    int currentPage_ = 0;
};

// Opens the dialog over the main window on page WindowState::preferencesPage
// and sets that page back to 0. The main window takes no input while the
// dialog is open. Returns the open dialog (the one already open, if any).
PreferencesDialog* openPreferencesDialog(WindowMode& mode);

}  // namespace tessaro
