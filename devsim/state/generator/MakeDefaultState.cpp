// Writes the default state file of the simulated VKA-7410 from the catalogue:
//   make_default_state [output file]   (standard output without an argument)
#include "DefaultState.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    const std::string text = defaultstate::FormatDefaultState(defaultstate::BuildDefaultState());
    if (argc < 2) {
        std::cout << text;
        return 0;
    }
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::cerr << "make_default_state: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
