#include "window_fixture.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "support/icon_writer.h"
#include "ui/qt_text.h"
#include "ui/update_commands.h"
#include "ui/window_startup.h"

namespace tessaro::test {

std::vector<UiTestClass>& uiTestClasses() {
    static std::vector<UiTestClass> classes;
    return classes;
}

WindowFixture::WindowFixture()
    : previousDialogs_(userDialogs()),
      previousOpener_(shellOpener()),
      previousVersionSource_(publishedVersionSource()) {
    const std::filesystem::path base = root();
    std::filesystem::create_directories(base / "config");
    std::filesystem::create_directories(base / "runtime");
    setenv("HOME", base.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (base / "config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (base / "runtime").c_str(), 1);

    UserDialogs& dialogs = userDialogs();
    dialogs.warning = [this](QWidget*, const QString& title, const QString& text) {
        asked.push_back("warning|" + toUtf8(title) + "|" + toUtf8(text));
    };
    dialogs.warningQuestion = [this](QWidget*, const QString& title, const QString& text) {
        asked.push_back("warningQuestion|" + toUtf8(title) + "|" + toUtf8(text));
        return questionAnswer;
    };
    dialogs.error = [this](QWidget*, const QString& title, const QString& text) {
        asked.push_back("error|" + toUtf8(title) + "|" + toUtf8(text));
    };
    dialogs.information = [this](QWidget*, const QString& title, const QString& text) {
        asked.push_back("information|" + toUtf8(title) + "|" + toUtf8(text));
    };
    dialogs.question = [this](QWidget*, const QString& title, const QString& text) {
        asked.push_back("question|" + toUtf8(title) + "|" + toUtf8(text));
        return questionAnswer;
    };
    dialogs.openFile = [this](QWidget*, const QString& title, const QString& presetFile,
                              const QStringList& filters) {
        asked.push_back("openFile|" + toUtf8(title) + "|" + toUtf8(presetFile));
        offeredFilters = filters;
        return fileAnswer;
    };
    dialogs.selectFolder = [this](QWidget*, const QString& title, const QString& startFolder) {
        asked.push_back("selectFolder|" + toUtf8(title) + "|" + toUtf8(startFolder));
        return folderAnswer;
    };
    dialogs.chooseColor = [this](QWidget*, const QColor& initial) {
        asked.push_back("chooseColor|" + toUtf8(initial.name(QColor::HexRgb).toUpper()));
        return colorAnswer;
    };
    dialogs.chooseFont = [this](QWidget*, const QFont& initial) {
        asked.push_back("chooseFont|" + toUtf8(initial.family()) + "|" +
                        std::to_string(initial.pointSize()) + (initial.bold() ? "|bold" : "") +
                        (initial.italic() ? "|italic" : ""));
        return fontAnswer;
    };
    shellOpener() = [this](const std::string& target) { opened.push_back(target); };
    publishedVersionSource() = [this] { return publishedVersion; };
}

WindowFixture::~WindowFixture() {
    userDialogs() = previousDialogs_;
    shellOpener() = previousOpener_;
    publishedVersionSource() = previousVersionSource_;
}

std::filesystem::path WindowFixture::root() const {
    return folder_.path().toStdString();
}

std::filesystem::path WindowFixture::configFile() const {
    return root() / "config" / "Brimvale" / "tessaro" / "config.ini";
}

void WindowFixture::writeConfig(const std::string& text) const {
    std::filesystem::create_directories(configFile().parent_path());
    std::ofstream(configFile(), std::ios::binary) << text;
}

std::string WindowFixture::readConfig() const {
    std::ifstream in(configFile(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string WindowFixture::configLine(const std::string& key) const {
    const std::string text = readConfig();
    const size_t start = text.find("\r\n" + key + " = ");
    if (start == std::string::npos)
        return {};
    return text.substr(start + 2, text.find("\r\n", start + 2) - start - 2);
}

std::string WindowFixture::makeFile(const std::string& relativePath, size_t bytes) const {
    const std::filesystem::path path = root() / relativePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << std::string(bytes, 'x');
    return path.string();
}

std::string WindowFixture::makeIcon(const std::string& relativePath) const {
    const std::filesystem::path path = root() / relativePath;
    std::filesystem::create_directories(path.parent_path());
    writeIcon(path, {filledPage(16, 16, 32, {200, 30, 30, 255})});
    return path.string();
}

std::string WindowFixture::makeFolder(const std::string& relativePath) const {
    const std::filesystem::path path = root() / relativePath;
    std::filesystem::create_directories(path);
    return path.string() + "/";
}

void dropFiles(MainWindow& window, const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths)
        urls.append(QUrl::fromLocalFile(toQString(path)));
    data.setUrls(urls);
    // Qt delivers a drop only to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
}

void WindowFixture::start() {
    startWindowMode(mode);
}

}  // namespace tessaro::test
