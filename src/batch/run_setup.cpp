#include "batch/run_setup.h"

#include <filesystem>
#include <system_error>

#include "engine/font_flags.h"

namespace tessaro {

Result<std::unique_ptr<WatermarkFont>> loadRunWatermarkFont(const WatermarkSettings& watermark,
                                                            int32_t dotsPerInch) {
    return loadWatermarkFont(watermark.font, watermark.fontSize, dotsPerInch,
                             watermarkFontFlags(watermark));
}

bool isNonEmptyFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return !error && size > 0;
}

}  // namespace tessaro
