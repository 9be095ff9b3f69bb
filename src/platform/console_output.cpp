#include "platform/console_output.h"

#include <iostream>

namespace tessaro {

void printLine(std::string_view text) {
    std::cout << text << std::endl;
}

void printErrorLine(std::string_view text) {
    std::cout.flush();
    std::cerr << text << std::endl;
}

}  // namespace tessaro
