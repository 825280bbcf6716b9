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
// Command bars: the menu bar's window text.
#define IDS_TAVOP_MENU_BAR_TITLE 16006
// Command bars: the show-all item's tip and the customize button's text.
#define IDS_TAVOP_EXPAND_MENU 16025
#define IDS_TAVOP_MORE_BUTTONS 16026
// Command bars: the tip of a popup menu's tear-off caption.
#define IDS_TAVOP_TEAR_OFF_TIP 16028

// Command bars: the customize menu of a toolbar button and its commands (16918, a new menu
// button, is sent by no menu item).
#define IDR_TAVOP_CUSTOMIZE_MENU 16102
#define ID_TAVOP_CUSTOMIZE_RESET 16910
#define ID_TAVOP_CUSTOMIZE_COPY_IMAGE 16911
#define ID_TAVOP_CUSTOMIZE_DELETE 16912
#define ID_TAVOP_CUSTOMIZE_APPEARANCE 16913
#define ID_TAVOP_CUSTOMIZE_IMAGE 16914
#define ID_TAVOP_CUSTOMIZE_TEXT 16915
#define ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT 16916
#define ID_TAVOP_CUSTOMIZE_START_GROUP 16917
#define ID_TAVOP_CUSTOMIZE_NEW_MENU 16918
// Command bars: the cursors of a dragged button (dropped off a bar to delete it, moved, copied)
// and of a button whose width is dragged.
#define IDC_TAVOP_DRAG_DELETE 16133
#define IDC_TAVOP_DRAG_MOVE 16146
#define IDC_TAVOP_DRAG_COPY 16004
#define IDC_TAVOP_STRETCH 30980

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

// Controls: the button appearance dialog, the button image editor with its tools, cursors and messages.
#define IDS_TAVOP_SELECT_IMAGE 16001
#define IDS_TAVOP_ENTER_TEXT 16002
#define IDS_TAVOP_CANT_CREATE_IMAGE 16003
#define IDS_TAVOP_CANT_PASTE_BITMAP 16004
#define IDD_TAVOP_BUTTON_APPEARANCE 16132
#define IDD_TAVOP_IMAGE_EDITOR 16133
#define IDR_TAVOP_IMAGE_EDITOR_TOOLS 16138
#define IDC_TAVOP_CURSOR_RECTANGLE 16140
#define IDC_TAVOP_CURSOR_ELLIPSE 16141
#define IDC_TAVOP_CURSOR_FILL 16142
#define IDC_TAVOP_CURSOR_LINE 16143
#define IDC_TAVOP_CURSOR_PENCIL 16144
#define IDC_TAVOP_CURSOR_PICK 16145
#define IDC_TAVOP_BUTTON_TEXT 16500
#define IDC_TAVOP_IMAGE_ONLY 16505
#define IDC_TAVOP_TEXT_ONLY 16506
#define IDC_TAVOP_IMAGE_AND_TEXT 16507
#define IDC_TAVOP_USER_IMAGES 16508
#define IDC_TAVOP_NEW_IMAGE 16509
#define IDC_TAVOP_EDIT_IMAGE 16510
#define IDC_TAVOP_PAINT_AREA 16513
#define IDC_TAVOP_PALETTE 16516
#define IDC_TAVOP_PREVIEW 16519
#define IDC_TAVOP_USER_IMAGE 16529
#define IDC_TAVOP_DEFAULT_IMAGE 16530
#define IDC_TAVOP_DEFAULT_PREVIEW 16531
#define IDC_TAVOP_TOOLS_PLACE 16533
#define IDC_TAVOP_DESCRIPTION 16603
#define ID_TAVOP_TOOL_FILL 16901
#define ID_TAVOP_TOOL_PENCIL 16902
#define ID_TAVOP_TOOL_PICK 16903
#define ID_TAVOP_TOOL_LINE 16904
#define ID_TAVOP_TOOL_RECTANGLE 16905
#define ID_TAVOP_TOOL_ELLIPSE 16906
#define ID_TAVOP_IMAGE_COPY 16907
#define ID_TAVOP_IMAGE_PASTE 16908
#define ID_TAVOP_IMAGE_CLEAR 16909
