#include "engine/page_selection.h"

#include "settings/setting_codes.h"
namespace tessaro {

PageRange selectPages(int32_t icoFrameLoading, int32_t pageCount, std::mt19937& random) {
    const int32_t lastPage = pageCount - 1;
    // A number that is no frame loading converts every page.
    const FrameLoading loading = codeOf<FrameLoading>(icoFrameLoading).value_or(FrameLoading::all);
    switch (loading) {
        case FrameLoading::all:
            return {0, lastPage};
        case FrameLoading::first:
            return {0, 0};
        case FrameLoading::middle: {
            const int32_t middle = (pageCount + 1) / 2 - 1;
            return {middle, middle};
        }
        case FrameLoading::last:
            return {lastPage, lastPage};
        case FrameLoading::random: {
            const int32_t drawn = std::uniform_int_distribution<int32_t>(0, lastPage)(random);
            return {drawn, drawn};
        }
    }
    return {0, lastPage};
}

}  // namespace tessaro
