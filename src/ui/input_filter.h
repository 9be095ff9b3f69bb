#pragma once

#include <QStringList>
#include <span>
#include <string>
#include <vector>

namespace tessaro {

// One line of the input file requester's filter: what it shows and the
// patterns it matches, joined by ";".
struct FilterLine {
    std::string description;
    std::string patterns;
};

// The filter of the input file requester for `extensions`: all supported
// patterns first, then one line per format description in the order the
// descriptions first appear (extensions sharing a description share a line,
// the later extension first), then all files.
std::vector<FilterLine> inputFilterLines(std::span<const std::string> extensions);

// Filter lines as the open-file requester takes them: "description (patterns)".
QStringList requesterFilters(std::span<const FilterLine> lines);

}  // namespace tessaro
