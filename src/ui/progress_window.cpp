#include "ui/progress_window.h"

#include <QCloseEvent>
#include <mutex>
#include <string>
#include <utility>

#include "l10n/format_message.h"
#include "l10n/string_table.h"
#include "ui/qt_text.h"
#include "ui/user_dialogs.h"

namespace tessaro {

namespace {

constexpr int innerWidth = 300;
constexpr int innerHeight = 110;
constexpr int labelWidth = innerWidth - 20;
// The failure list goes between the progress bar and the OK button, which
// moves down by its height.
constexpr int failureListTop = 70;
constexpr int failureListHeight = 100;
constexpr std::chrono::milliseconds pollInterval(15);

}  // namespace

QString shortenMiddle(const QString& text, int length) {
    const std::u32string characters = text.toStdU32String();
    if (characters.empty() || std::cmp_less_equal(characters.size(), length))
        return text;
    const size_t kept = static_cast<size_t>(std::max(0, (length - 3) / 2));
    return QString::fromStdU32String(characters.substr(0, kept)) + QStringLiteral("...") +
           QString::fromStdU32String(characters.substr(characters.size() - kept));
}

QString shortenToWidth(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    // The longest shortening that fits; "..." alone when even one character
    // at each end is too wide. A longer length never gives a narrower text.
    int fitting = 0;
    int tooLong = static_cast<int>(text.toStdU32String().size());
    while (tooLong - fitting > 1) {
        const int length = fitting + (tooLong - fitting) / 2;
        if (metrics.horizontalAdvance(shortenMiddle(text, length)) <= width)
            fitting = length;
        else
            tooLong = length;
    }
    return shortenMiddle(text, fitting);
}

ProgressWindow::ProgressWindow(WindowMode& mode, std::unique_ptr<WatermarkFont> font,
                               FileConversion convertFile)
    : QDialog(mode.window.get(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowCloseButtonHint),
      mode_(mode),
      font_(std::move(font)),
      convertFile_(convertFile),
      total_(static_cast<int>(mode.job.inputFiles.size())) {
    setWindowTitle(uiText("Dialog", "Convert Progress"));
    setFixedSize(innerWidth, innerHeight);

    fileLabel = new QLabel(this);
    fileLabel->setGeometry(10, 13, labelWidth, 20);
    progressBar = new QProgressBar(this);
    progressBar->setGeometry(10, 40, labelWidth, 20);
    progressBar->setRange(0, total_ + 1);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    okButton = new QPushButton(uiText("Dialog", "OK"), this);
    okButton->setGeometry(110, 75, 80, 25);
    okButton->setDefault(true);
    okButton->setEnabled(false);
    connect(okButton, &QPushButton::clicked, this, &ProgressWindow::okPressed);
    failureList = new QPlainTextEdit(this);
    failureList->setGeometry(10, failureListTop, labelWidth, failureListHeight);
    failureList->setReadOnly(true);
    failureList->setLineWrapMode(QPlainTextEdit::NoWrap);
    failureList->hide();

    pollTimer_.setInterval(pollInterval);
    connect(&pollTimer_, &QTimer::timeout, this, &ProgressWindow::poll);
    // A main window that closes during the run must not leave a worker behind
    // that still reads the job.
    connect(mode.window.get(), &MainWindow::closeRequested, this, &ProgressWindow::endWorker);
}

ProgressWindow::~ProgressWindow() {
    endWorker();
}

void ProgressWindow::start() {
    open();
    activateWindow();
    worker_ =
        startConversionWorker(mode_.settings, mode_.job, mode_.progress, font_.get(), convertFile_);
    pollTimer_.start();
}

QString ProgressWindow::countText(int processed) const {
    return toQString(formatMessage(getText("Msg", "Progress"), std::to_string(processed),
                                   std::to_string(total_)));
}

void ProgressWindow::poll() {
    if (!worker_.joinable())
        return;
    JobProgress& progress = mode_.progress;
    int processed = 0;
    int converted = 0;
    bool finished = false;
    std::string currentFile;
    {
        std::lock_guard guard(progress.progressLock);
        processed = progress.processedCount;
        converted = progress.convertedCount;
        finished = progress.finished != 0;
        if (!finished && processed > lastShown_)
            currentFile = progress.currentFile;
    }
    if (!finished) {
        showProgress(processed, currentFile);
        return;
    }
    worker_.join();
    showEnd(processed, converted);
    // The worker has ended: nothing writes the list any more.
    showFailures(progress.failedPages);
}

void ProgressWindow::showProgress(int processed, const std::string& currentFile) {
    if (processed <= lastShown_)
        return;
    lastShown_ = processed;
    setWindowTitle(uiText("Dialog", "Convert Progress") + QLatin1Char(' ') + countText(processed));
    fileLabel->setText(
        shortenToWidth(toQString(currentFile), fileLabel->fontMetrics(), fileLabel->width()));
    progressBar->setValue(processed);
}

// The end shows the worker's final count of files taken, also when the
// worker went through its last files between two polls.
void ProgressWindow::showEnd(int processed, int converted) {
    MainWindow& window = *mode_.window;
    const QString count = QLatin1Char(' ') + countText(processed);
    if (stopped_) {
        const QString stoppedText = uiText("Msg", "Conversion is not complete");
        setStatusText(window, stoppedText);
        setWindowTitle(stoppedText + count);
        fileLabel->setText(stoppedText);
        progressBar->setValue(processed);
    } else {
        const QString completeText = uiText("Msg", "Conversion complete");
        setStatusText(window, completeText);
        setWindowTitle(completeText + count);
        fileLabel->setText(toQString(formatMessage(
            getText("Msg", "Files converted"), std::to_string(converted), std::to_string(total_))));
        progressBar->setValue(total_ + 1);
    }
    okButton->setEnabled(true);
    okButton->setFocus();
}

void ProgressWindow::showFailures(const std::vector<FailedPage>& failedPages) {
    if (failedPages.empty())
        return;
    QStringList lines;
    for (const FailedPage& failed : failedPages)
        lines.append(toQString(failed.path + ": " + failed.reason));
    failureList->setPlainText(lines.join(QLatin1Char('\n')));
    failureList->show();
    okButton->move(okButton->x(), okButton->y() + failureListHeight + 5);
    setFixedSize(innerWidth, innerHeight + failureListHeight + 5);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    closeBoxPressed();
}

void ProgressWindow::reject() {
    closeBoxPressed();
}

void ProgressWindow::closeBoxPressed() {
    // An end that the last poll has not seen yet is shown first, so the
    // status bar never keeps "Converting..." after the run.
    poll();
    if (!worker_.joinable()) {
        closeWindow();
        return;
    }
    JobProgress& progress = mode_.progress;
    pollTimer_.stop();
    pauseWorker(progress);
    const bool stop = userDialogs().warningQuestion(this, uiText("Msg", "Warning"),
                                                    uiText("Msg", "Ask break conversion"));
    // The stop request goes in before the worker is let go, so it cannot take
    // another file in between. A later No does not undo an earlier Yes.
    if (stop) {
        stopped_ = true;
        requestWorkerStop(progress);
    }
    resumeWorker(progress);
    pollTimer_.start();
}

void ProgressWindow::okPressed() {
    if (!worker_.joinable())
        closeWindow();
}

void ProgressWindow::closeWindow() {
    pollTimer_.stop();
    hide();
    mode_.window->activateWindow();
    deleteLater();
}

void ProgressWindow::endWorker() {
    if (!worker_.joinable())
        return;
    pollTimer_.stop();
    requestWorkerStop(mode_.progress);
    resumeWorker(mode_.progress);
    worker_.join();
}

}  // namespace tessaro
