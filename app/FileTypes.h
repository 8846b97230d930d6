#pragma once

#include <memory>
#include <vector>

#include "framework/runtime/FileType.h"

// The kinds of document file the program declares: one, plain text.
namespace FileTypes {

extern std::shared_ptr<fw::FileType> pText;
extern std::vector<std::shared_ptr<fw::FileType>> pAllFileTypes;

// Static initialisers.
void pAllFileTypesInit();
void pTextInit();

// Builds the type Text, lists it and registers it.
void Initialize();
std::shared_ptr<fw::FileType> Text();

}  // namespace FileTypes
