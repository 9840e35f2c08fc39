// The loaded module (shared library or program) that holds this code, and lookups of loaded modules.
#pragma once

#include <string>

// Opaque; equal handles denote the same loaded module.
using ModuleHandle = void*;

// The module that holds this code.
ModuleHandle ownModuleHandle();

// The module loaded from `path`, or null when no module of the process was loaded from there; never loads.
ModuleHandle findLoadedModule(const std::string& path);

// The full file path of the module that holds this code (UTF-8).
std::string libraryFilePath();

// Takes an extra load reference on the module that holds this code, so that it stays loaded for objects
// other modules still use; false when that is not possible.
bool retainOwnModule();
// Gives back one reference taken by retainOwnModule.
void releaseOwnModule();
