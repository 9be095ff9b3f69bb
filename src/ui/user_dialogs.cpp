#include "ui/user_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

#include "ui/qt_text.h"

namespace tessaro {

UserDialogs systemDialogs() {
    UserDialogs dialogs;
    dialogs.warning = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox::warning(parent, title, text, QMessageBox::Ok);
    };
    dialogs.warningQuestion = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    dialogs.error = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox::critical(parent, title, text, QMessageBox::Ok);
    };
    dialogs.information = [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox::information(parent, title, text, QMessageBox::Ok);
    };
    dialogs.question = [](QWidget* parent, const QString& title, const QString& text) {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    };
    dialogs.openFile = [](QWidget* parent, const QString& title, const QString& presetFile,
                          const QStringList& filters) {
        QFileDialog dialog(parent, title);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(filters);
        if (!filters.isEmpty())
            dialog.selectNameFilter(filters.front());
        if (!presetFile.isEmpty())
            dialog.selectFile(presetFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().front();
    };
    dialogs.selectFolder = [](QWidget* parent, const QString& title, const QString& startFolder) {
        return QFileDialog::getExistingDirectory(parent, title, startFolder);
    };
    dialogs.chooseColor = [](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    };
    dialogs.chooseFont = [](QWidget* parent, const QFont& initial) -> std::optional<QFont> {
        bool chosen = false;
        const QFont font = QFontDialog::getFont(&chosen, initial, parent);
        if (!chosen)
            return std::nullopt;
        return font;
    };
    return dialogs;
}

UserDialogs& userDialogs() {
    static UserDialogs dialogs = systemDialogs();
    return dialogs;
}

void showWarning(QWidget* parent, const QString& text) {
    userDialogs().warning(parent, uiText("Msg", "Warning"), text);
}

}  // namespace tessaro
