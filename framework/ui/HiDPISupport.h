#pragma once

namespace fw {

// Whether the program says it draws well on screens of a higher pixel ratio: pictures are
// then scaled smoothly rather than pixel by pixel. Off until start-up says otherwise.
void SetSupportsHiDPI(bool supported);
bool RuntimeSupportsHiDPI();

}  // namespace fw
