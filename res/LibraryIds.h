// Resource ids of the user-interface library (16001 to 17013).
#pragma once

// Foundation: menu glyph strip and the image list's clipboard messages.
#define IDB_TAVOP_MENU_GLYPHS 16129
#define IDS_TAVOP_INTERNAL_ERROR 16008
#define IDS_TAVOP_CANT_COPY_BITMAP 16010

// Command bars: the user tools' default icon and the filter of their program browser.
#define IDI_TAVOP_USER_TOOL 16931
#define IDS_TAVOP_USER_TOOL_FILTER 16023
#define IDS_TAVOP_CANT_RUN_TOOL 16024

// Controls: the hand cursor of link buttons.
#define IDC_TAVOP_HAND 16919
