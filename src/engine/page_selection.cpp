#include "engine/page_selection.h"

namespace tessaro {

PageRange selectPages(int32_t icoFrameLoading, int32_t pageCount, std::mt19937& random) {
    const int32_t lastPage = pageCount - 1;
    switch (icoFrameLoading) {
        case 1:
            return {0, 0};
        case 2: {
            const int32_t middle = (pageCount + 1) / 2 - 1;
            return {middle, middle};
        }
        case 3:
            return {lastPage, lastPage};
        case 4: {
            const int32_t drawn = std::uniform_int_distribution<int32_t>(0, lastPage)(random);
            return {drawn, drawn};
        }
        default:
            return {0, lastPage};
    }
}

}  // namespace tessaro
