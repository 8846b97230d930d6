#pragma once

#include "framework/text/String.h"

// The program's lines about itself, composed from its credits.

// "Copyright © 2020" and the author's full name: the About window and the version data.
fw::String CopyrightLine();
// "by" and the author's full name, under the title of the generator window.
fw::String CreditLine();
// The reference to cite the program by.
fw::String Citation();
