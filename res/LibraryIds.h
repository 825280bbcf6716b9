// Resource ids of the user-interface library (16001 to 17013).
#pragma once

// Foundation: menu glyph strip and the image list's clipboard messages.
#define IDB_TAVOP_MENU_GLYPHS 16129
#define IDS_TAVOP_INTERNAL_ERROR 16008
#define IDS_TAVOP_CANT_COPY_BITMAP 16010

// Controls: the hand cursor of link buttons.
#define IDC_TAVOP_HAND 16919

// Controls: the print preview's bar template, its toolbar and the image of the two-page button.
#define IDD_TAVOP_PREVIEW_BAR 16658
#define IDR_TAVOP_PREVIEW_TOOLBAR 16960
#define ID_TAVOP_PREVIEW_TWO_PAGES 16959
// The framework's message for a command that could not run.
#define IDS_TAVOP_COMMAND_FAILED 61705
