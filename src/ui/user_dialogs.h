#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace tessaro {

// Every message box and system requester of the window mode goes through
// these, so that tests can answer them. The defaults show Qt's dialogs.
struct UserDialogs {
    // A warning with an OK button.
    std::function<void(QWidget* parent, const QString& title, const QString& text)> warning;
    // A question with Yes and No buttons and a warning icon, for a step that
    // loses work; true for Yes.
    std::function<bool(QWidget* parent, const QString& title, const QString& text)>
        warningQuestion;
    // An error and a piece of information, each with an OK button.
    std::function<void(QWidget* parent, const QString& title, const QString& text)> error;
    std::function<void(QWidget* parent, const QString& title, const QString& text)> information;
    // A question with Yes and No buttons and a question icon; true for Yes.
    std::function<bool(QWidget* parent, const QString& title, const QString& text)> question;
    // The open-file requester for one file; "" when cancelled. `filters`
    // holds the filter lines, the first one selected.
    std::function<QString(QWidget* parent, const QString& title, const QString& presetFile,
                          const QStringList& filters)>
        openFile;
    // The folder requester; "" when cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& startFolder)>
        selectFolder;
    // The colour chooser, opened on `initial`; nothing when cancelled.
    std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> chooseColor;
    // The font chooser, opened on `initial`; nothing when cancelled.
    std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)> chooseFont;
};

// The process's dialogs, initially Qt's own.
UserDialogs& userDialogs();

// Qt's message boxes and file dialogs.
UserDialogs systemDialogs();

// The window mode's warning: titled "Warning" from the string table, with an
// OK button.
void showWarning(QWidget* parent, const QString& text);

}  // namespace tessaro
