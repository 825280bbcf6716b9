// Face names the library's fonts ask for.
#pragma once

namespace TavoPFaceNames {
constexpr const char* kTahoma = "Tahoma";
constexpr const char* kMSSansSerif = "MS Sans Serif";
constexpr const char* kArial = "Arial";
constexpr const char* kMarlett = "Marlett";
}
