#include "main/ProgramStartC.h"

int main(int argc, char **argv)
{
    return RunTastwerk(argc, argv);
}
