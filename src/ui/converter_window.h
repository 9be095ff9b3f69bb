#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <string>

#include "ui/window_mode.h"

namespace tessaro {

// Only the ASCII letters and digits of `text`, in order; blanks, dots and
// every other character are dropped.
std::string cleanExtension(const QString& text);

// A typed extension as the search page takes it: lower case, cut to its
// first 12 characters, then cleaned.
std::string searchExtension(const QString& typed);

// "Find a File Converter": two extensions, and Search opens the
// vendor's converter search page for the pair. Return searches, Escape
// closes the window.
class ConverterWindow : public QDialog {
    Q_OBJECT

public:
    explicit ConverterWindow(QWidget* parent);

    QLineEdit* fromField = nullptr;
    QLineEdit* toField = nullptr;
    QPushButton* searchButton = nullptr;

private:
    void search();
};

// The Custom Converter command: opens the window over the main window, with the keyboard in
// the source field. The window deletes itself when closed.
ConverterWindow* openCustomConverter(WindowMode& mode);

}  // namespace tessaro
