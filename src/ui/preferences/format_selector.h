#pragma once

#include <QComboBox>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/window_images.h"

namespace tessaro {

// The format selector of the Input and Output pages and the panels below it,
// one per format, of which only the selected format's panel is visible.
class FormatSelector {
public:
    FormatSelector(QComboBox* list, const std::vector<std::string>& keys);

    // One entry per key in upper case with the "New" icon, carrying the key's
    // index; the entry of `current` is selected, else the first.
    void fill(const WindowImages& images, const std::string& current);
    // The key of the selected entry; `unchanged` when nothing is selected.
    std::string selectedKey(const std::string& unchanged) const;

    // A panel below the selector row for `key`, hidden until selected.
    QWidget* addPanel(std::string_view key, QWidget* page);
    // Shows the selected key's panel and hides the others.
    void showSelectedPanel();

    QComboBox* const list;

private:
    const std::vector<std::string>& keys_;
    std::map<std::string, QWidget*, std::less<>> panels_;
};

}  // namespace tessaro
