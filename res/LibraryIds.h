// Resource ids of the user-interface library (16001 to 17013).
#pragma once

// Foundation: menu glyph strip and the image list's clipboard messages.
#define IDB_TAVOP_MENU_GLYPHS 16129
#define IDS_TAVOP_INTERNAL_ERROR 16008
#define IDS_TAVOP_CANT_COPY_BITMAP 16010
#define IDS_TAVOP_TOO_MANY_USER_TOOLBARS 16243

// Command bars: the user tools' default icon and the filter of their program browser.
#define IDI_TAVOP_USER_TOOL 16931
#define IDS_TAVOP_USER_TOOL_FILTER 16023
#define IDS_TAVOP_CANT_RUN_TOOL 16024
// Command bars: the show-all item's tip and the customize button's text.
#define IDS_TAVOP_EXPAND_MENU 16025
#define IDS_TAVOP_MORE_BUTTONS 16026
// Command bars: the tip of a popup menu's tear-off caption.
#define IDS_TAVOP_TEAR_OFF_TIP 16028

// Controls: the hand cursor of link buttons.
#define IDC_TAVOP_HAND 16919

// Controls: the print preview's bar template, its toolbar and the image of the two-page button.
#define IDD_TAVOP_PREVIEW_BAR 16658
#define IDR_TAVOP_PREVIEW_TOOLBAR 16960
#define ID_TAVOP_PREVIEW_TWO_PAGES 16959
// The framework's message for a command that could not run.
#define IDS_TAVOP_COMMAND_FAILED 61705

// Controls: the colour dialog, its Standard and Custom pages and their controls.
#define IDD_TAVOP_COLOR_DIALOG 16961
#define IDD_TAVOP_COLOR_PAGE_ONE 16962
#define IDD_TAVOP_COLOR_PAGE_TWO 16963
#define IDC_TAVOP_COLOR 16662
#define IDC_TAVOP_RED 16964
#define IDC_TAVOP_GREEN 16965
#define IDC_TAVOP_BLUE 16966
#define IDC_TAVOP_LUMINANCE 16967
#define IDC_TAVOP_SATURATION 16968
#define IDC_TAVOP_HUE 16969
#define IDC_TAVOP_PLACEHOLDER 16970
#define IDC_TAVOP_GREY 16972
#define IDC_TAVOP_LUM 16973
#define IDC_TAVOP_HEXAGON 16974
#define IDC_TAVOP_SPIN_HUE 16976
#define IDC_TAVOP_SPIN_SATURATION 16977
#define IDC_TAVOP_SPIN_LUMINANCE 16978
#define IDC_TAVOP_SPIN_RED 16979
#define IDC_TAVOP_SPIN_GREEN 16980
#define IDC_TAVOP_SPIN_BLUE 16981
