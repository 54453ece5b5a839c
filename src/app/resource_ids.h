// Resource numbers of the program's icons (resources/kqshutdown.rc). The program icon has
// the lowest number, so Windows shows it for the .exe.
#pragma once

#define IDI_PROGRAM 1
#define IDI_BEETLE_GREEN 101
#define IDI_BEETLE_RED 102
#define IDI_BEETLE_YELLOW 103
