// Resource ids of vorlen's own screens (dialogs, menu, strings, bitmaps, icons).
#pragma once
