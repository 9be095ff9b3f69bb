#pragma once

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <memory>
#include <thread>

#include "batch/conversion_worker.h"
#include "engine/watermark_font.h"
#include "ui/window_mode.h"

namespace tessaro {

// `text` cut to its first and last (length - 3) / 2 characters with "..."
// between them when it is longer than `length` characters; otherwise as it
// is. Characters are whole code points, so no character is ever split.
QString shortenMiddle(const QString& text, int length);

// `text` shortened in the middle as little as it takes to be at most `width`
// pixels wide in `metrics`' font.
QString shortenToWidth(const QString& text, const QFontMetrics& metrics, int width);

// The progress window of a conversion run, modal to the main
// window. It runs the worker on the job as prepared, shows which file is in
// hand and how far the run has come by polling the shared progress every
// 15 ms, asks before it lets the user stop the run, and reports the result
// until OK. When pages were not saved, the end also lists each with its
// reason ("<path>: <reason>") in a list that the window grows to show. The
// worker is held by its pause flag while the stop question is open. The run's
// watermark font stays with the window until the worker has ended.
class ProgressWindow : public QDialog {
    Q_OBJECT

public:
    ProgressWindow(WindowMode& mode, std::unique_ptr<WatermarkFont> font,
                   FileConversion convertFile);
    ~ProgressWindow() override;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    // Shows the window and starts the worker.
    void start();

    // True from start() until the end of the worker has been shown.
    bool workerRunning() const { return worker_.joinable(); }

    QLabel* fileLabel = nullptr;
    QProgressBar* progressBar = nullptr;
    QPushButton* okButton = nullptr;
    QPlainTextEdit* failureList = nullptr;  // hidden until a page has failed

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape counts as the close box.
    void reject() override;

private:
    void poll();
    void showProgress(int processed, const std::string& currentFile);
    void showEnd(int processed, int converted);
    void showFailures(const std::vector<FailedPage>& failedPages);
    void closeBoxPressed();
    void okPressed();
    void closeWindow();
    // Stops the worker after the file in hand and waits for it.
    void endWorker();
    QString countText(int processed) const;

    WindowMode& mode_;
    std::unique_ptr<WatermarkFont> font_;  // outlives the worker, declared before it
    FileConversion convertFile_;
    std::jthread worker_;
    QTimer pollTimer_;
    int total_ = 0;
    int lastShown_ = 0;
    bool stopped_ = false;
};

}  // namespace tessaro
