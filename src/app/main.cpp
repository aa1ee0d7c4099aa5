#include "app/program.h"

int main(int argc, char** argv) { return tidemark::runTideMark(argc, argv); }
