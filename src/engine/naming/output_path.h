#pragma once

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "engine/page_facts.h"
#include "platform/result.h"
#include "settings/conversion_request.h"
#include "settings/settings.h"

namespace tessaro {

// The tokens of the file-name mask and the watermark text, in the order in
// which they are expanded. A value inserted by one token can hold a later one.
inline constexpr std::array<std::string_view, 18> fileNameTokens{
    "%filename%", "%filename[u]%", "%filename[l]%", "%filename[t]%", "%ext%", "%ext[u]%",
    "%ext[t]%",   "%yyyy%",        "%mm%",          "%dd%",          "%hh%",  "%ii%",
    "%ss%",       "%bpp%",         "%width%",       "%height%",      "%rnd%", "%n%"};

// The save path of `page` of the requested file: the output folder, the input
// file's subfolder when subfolders are kept, and the expanded file-name mask.
std::string buildOutputPath(const Settings& settings, const ConversionRequest& request,
                            const PageFacts& page);

// The file name of `page`. The mask is lowered first, so literal text always
// comes out in lower case and tokens may be written in any case.
std::string expandFileNameMask(const Settings& settings, const ConversionRequest& request,
                               const PageFacts& page);

// `text` with every occurrence of `token`, in any letter case, replaced by the
// token's value for `page` of the requested file and the current local time.
std::string expandToken(std::string_view text, std::string_view token,
                        const ConversionRequest& request, const PageFacts& page);

// The value of a token (written in lower case) for `page` of the requested
// file at the local time `now`; nullopt for a text that is not a token.
std::optional<std::string> tokenValue(std::string_view token, const ConversionRequest& request,
                                      const PageFacts& page, const std::tm& now);

// The file name without its last "." and what follows it.
std::string stripExtension(std::string_view fileName);

// Gives the file at `path` the modification time chosen by "File Timestamp":
// unchanged, that of the input file at `inputPath`, or the custom time. The
// failure says why the time could not be read or set.
Result<void> applyOutputFileTime(const std::string& path, const Settings& settings,
                                 const std::string& inputPath);

}  // namespace tessaro
