/* Numbers of the program's Windows resources, shared by quorvel.rc and the
   Win32 toolkit (plain C: windres reads it too). */
#pragma once

#define QUORVEL_ICON 1
