#pragma once

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "settings/conversion_job.h"
#include "settings/settings.h"

namespace tessaro {

// The tokens of the file-name mask and the watermark text, in the order in
// which they are expanded. A value inserted by one token can hold a later one.
inline constexpr std::array<std::string_view, 18> fileNameTokens{
    "%filename%", "%filename[u]%", "%filename[l]%", "%filename[t]%", "%ext%", "%ext[u]%",
    "%ext[t]%",   "%yyyy%",        "%mm%",          "%dd%",          "%hh%",  "%ii%",
    "%ss%",       "%bpp%",         "%width%",       "%height%",      "%rnd%", "%n%"};

// The save path of the current page: the output folder, the input file's
// subfolder when subfolders are kept, and the expanded file-name mask.
std::string buildOutputPath(const Settings& settings, const ConversionJob& job);

// The file name of the current page. The mask is lowered first, so literal
// text always comes out in lower case and tokens may be written in any case.
std::string expandFileNameMask(const Settings& settings, const ConversionJob& job);

// `text` with every occurrence of `token`, in any letter case, replaced by the
// token's value for the current page and the current local time.
std::string expandToken(std::string_view text, std::string_view token, const ConversionJob& job);

// The value of a token (written in lower case) for the page described by `job`
// at the local time `now`; nullopt for a text that is not a token.
std::optional<std::string> tokenValue(std::string_view token, const ConversionJob& job,
                                      const std::tm& now);

// The file name without its last "." and what follows it.
std::string stripExtension(std::string_view fileName);

// Gives the file at `path` the modification time chosen by "File Timestamp":
// unchanged, the input file's, or the custom time. False when the time could
// not be read or set.
bool applyOutputFileTime(const std::string& path, const Settings& settings,
                         const ConversionJob& job);

}  // namespace tessaro
