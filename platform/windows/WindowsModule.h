// The module (DLL or program) that holds this code, for the Windows calls that need it.
#pragma once

#include <windows.h>

HMODULE thisModule();
