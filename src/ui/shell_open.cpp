#include "ui/shell_open.h"

#include <QProcess>

#include "ui/qt_text.h"

namespace tessaro {

ShellOpener& shellOpener() {
    static ShellOpener opener = desktopOpener;
    return opener;
}

void desktopOpener(const std::string& target) {
    QProcess opener;
    opener.setProgram(QStringLiteral("xdg-open"));
    opener.setArguments({toQString(target)});
    opener.setStandardInputFile(QProcess::nullDevice());
    opener.setStandardOutputFile(QProcess::nullDevice());
    opener.setStandardErrorFile(QProcess::nullDevice());
    static_cast<void>(opener.startDetached());
}

void runProgram(const std::string& target) {
    if (!target.empty())
        shellOpener()(target);
}

}  // namespace tessaro
