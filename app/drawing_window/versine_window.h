// The window "Versine diagram": Curve by Versines' measured and design versines and the slews,
// with printing and copying as the alignment drawing has them.
#pragma once

#include "versines/versine_diagram.h"

// Opens the window on the diagram, or draws the new diagram in the open one, and brings it up.
void ShowVersineDiagram(const VersineDiagram& diagram);
