// main.cpp: the program's entry point.
#include "game/vantara_main.h"

int main() { return VantaraMain(); }
