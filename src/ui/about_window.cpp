#include "ui/about_window.h"

#include <QFrame>

#include "l10n/product_identity.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/shell_open.h"
#include "update/vendor_endpoints.h"

namespace tessaro {

namespace {

QLabel* createLabel(QWidget* parent, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

// A link drawn in pure blue, also under the pointer, that hands `target` to
// the shell when clicked. Only the mouse follows it, so Return stays with OK.
QLabel* createLink(QWidget* parent, const QString& text, const std::string& target,
                   const QRect& place) {
    const QString markup = QStringLiteral("<a href=\"%1\" style=\"color:#0000ff\">%2</a>")
                               .arg(toQString(target).toHtmlEscaped(), text.toHtmlEscaped());
    QLabel* link = createLabel(parent, markup, place);
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    link->setOpenExternalLinks(false);
    QObject::connect(link, &QLabel::linkActivated, link,
                     [](const QString& href) { runProgram(toUtf8(href)); });
    return link;
}

}  // namespace

AboutWindow::AboutWindow(const WindowImages& images, QWidget* parent) : QDialog(parent) {
    setWindowTitle(uiText("About", "Title"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(360, 240);

    banner = createLabel(this, QString(), QRect(0, 0, 360, 40));
    banner->setPixmap(images.aboutBanner);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(0, 40, 360, 150);

    titleLabel = createLabel(this, toQString(productTitle(productName, programVersion)),
                             QRect(20, 50, 320, 20));
    titleLabel->setAlignment(Qt::AlignCenter);
    copyrightLabel = createLabel(this, copyrightNotice(), QRect(20, 70, 320, 20));
    copyrightLabel->setAlignment(Qt::AlignCenter);

    createLabel(this, uiText("About", "Website"), QRect(80, 100, 60, 20));
    createLabel(this, uiText("About", "Email"), QRect(80, 120, 50, 20));
    webLink = createLink(this, toQString(homePageAddress), std::string(homePageAddress),
                         QRect(140, 100, 215, 20));
    mailLink =
        createLink(this, toQString(supportAddress), supportMailLink(), QRect(140, 120, 215, 20));

    okButton = new QPushButton(uiText("Dialog", "OK"), this);
    okButton->setGeometry(140, 200, 80, 25);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

AboutWindow* openAboutWindow(WindowMode& mode) {
    auto* about = new AboutWindow(mode.images, mode.window.get());
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
    about->okButton->setFocus();
    return about;
}

}  // namespace tessaro
