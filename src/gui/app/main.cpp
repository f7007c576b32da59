#include "app/AppSetup.h"

int main(int argc, char** argv)
{
    return runEditor(argc, argv);
}
