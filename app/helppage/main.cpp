// quellrix-helppage FILE: writes the help page, byte for byte as the help command writes it, to FILE;
// the package installs it with the documentation.
#include <fstream>
#include <iostream>
#include <string_view>

#include "help/HelpPage.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quellrix-helppage FILE\n";
        return 2;
    }
    const std::string_view page = help::HelpPageText();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(page.data(), static_cast<std::streamsize>(page.size()));
    out.close();
    return out ? 0 : 1;
}
