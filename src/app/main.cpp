#include "app/startup.h"

int main(int argc, char** argv) {
    return vellomir::app::runProgram(argc, argv);
}
