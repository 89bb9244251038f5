// Corvanta's entry point: the program's start-up and event loop live in shell::runProgram.
#include "Program.h"

int main(int argc, char* argv[])
{
    return shell::runProgram(argc, argv);
}
