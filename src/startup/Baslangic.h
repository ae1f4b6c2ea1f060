#pragma once

// The program's start-up sequence; returns the program's exit code.
int BaşlangıçSırası(int argc, char** argv);
