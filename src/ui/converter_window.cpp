#include "ui/converter_window.h"

#include <QLabel>

#include "ui/qt_text.h"
#include "ui/shell_open.h"
#include "ui/user_dialogs.h"
#include "update/vendor_endpoints.h"

namespace tessaro {

namespace {

constexpr qsizetype extensionLengthLimit = 12;

bool isAsciiLetterOrDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

void createLabel(QWidget* parent, std::string_view key, const QRect& place) {
    auto* label = new QLabel(uiText("Custom-Converter", key), parent);
    label->setGeometry(place);
}

QLineEdit* createField(QWidget* parent, const QRect& place) {
    auto* field = new QLineEdit(parent);
    field->setGeometry(place);
    return field;
}

}  // namespace

std::string cleanExtension(const QString& text) {
    std::string cleaned;
    for (QChar c : text) {
        if (isAsciiLetterOrDigit(c))
            cleaned += static_cast<char>(c.unicode());
    }
    return cleaned;
}

std::string searchExtension(const QString& typed) {
    return cleanExtension(typed.toLower().left(extensionLengthLimit));
}

ConverterWindow::ConverterWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(uiText("Custom-Converter", "Title"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(370, 60);

    createLabel(this, "From", QRect(10, 23, 40, 20));
    fromField = createField(this, QRect(50, 20, 80, 20));
    createLabel(this, "To", QRect(150, 23, 30, 20));
    toField = createField(this, QRect(180, 20, 80, 20));
    searchButton = new QPushButton(uiText("Custom-Converter", "Search"), this);
    searchButton->setGeometry(280, 18, 80, 25);
    searchButton->setDefault(true);
    connect(searchButton, &QPushButton::clicked, this, &ConverterWindow::search);
}

void ConverterWindow::search() {
    const std::string fromExtension = searchExtension(fromField->text());
    const std::string toExtension = searchExtension(toField->text());
    if (fromExtension.empty() || toExtension.empty()) {
        showWarning(this, uiText("Msg", "Empty extensions"));
        return;
    }
    hide();
    runProgram(converterSearchAddress(fromExtension, toExtension));
    accept();
}

ConverterWindow* openCustomConverter(WindowMode& mode) {
    auto* converter = new ConverterWindow(mode.window.get());
    converter->setAttribute(Qt::WA_DeleteOnClose);
    converter->open();
    converter->fromField->setFocus();
    return converter;
}

}  // namespace tessaro
