#include "ui/input_filter.h"

#include <algorithm>

#include "engine/format_registry.h"
#include "l10n/string_table.h"
#include "ui/qt_text.h"

namespace tessaro {

std::vector<FilterLine> inputFilterLines(std::span<const std::string> extensions) {
    std::vector<FilterLine> lines{{getText("Dialog", "All Supported Files"), {}}};
    std::vector<FilterLine> byDescription;
    for (const std::string& extension : extensions) {
        const std::string pattern = "*." + extension;
        lines.front().patterns += pattern + ";";
        const InputFormat* format = findInputFormat(extension);
        const std::string description = format != nullptr ? std::string(format->description) : "";
        auto line =
            std::find_if(byDescription.begin(), byDescription.end(),
                         [&](const FilterLine& known) { return known.description == description; });
        if (line == byDescription.end())
            byDescription.push_back({description, pattern});
        else
            line->patterns = pattern + ";" + line->patterns;
    }
    if (!lines.front().patterns.empty())
        lines.front().patterns.pop_back();
    lines.insert(lines.end(), byDescription.begin(), byDescription.end());
    lines.push_back({getText("Dialog", "All Files"), "*"});
    return lines;
}

QStringList requesterFilters(std::span<const FilterLine> lines) {
    QStringList filters;
    for (const FilterLine& line : lines) {
        QString patterns = toQString(line.patterns);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(toQString(line.description) + QStringLiteral(" (") + patterns +
                       QLatin1Char(')'));
    }
    return filters;
}

}  // namespace tessaro
