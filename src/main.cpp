// Corvanta's entry point: the program's start-up and event loop live in app::runProgram.
#include "program/Program.h"

int main(int argc, char* argv[])
{
    return app::runProgram(argc, argv);
}
