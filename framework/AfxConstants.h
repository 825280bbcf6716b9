// The framework's numeric constants (bar styles, private messages, standard command and window ids) that the Win32 headers lack.
#pragma once
#include "framework/AfxBase.h"
#include <commctrl.h>

// Toolbar button styles: low word is the common-control style, high word the button state.
#define TBBS_BUTTON        0x0000
#define TBBS_SEPARATOR     0x0001
#define TBBS_CHECKBOX      0x0002
#define TBBS_GROUP         0x0004
#define TBBS_CHECKGROUP    (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN      0x0008
#define TBBS_AUTOSIZE      0x0010
#define TBBS_NOPREFIX      0x0020
#define TBBS_CHECKED       0x00010000
#define TBBS_PRESSED       0x00020000
#define TBBS_DISABLED      0x00040000
#define TBBS_HIDDEN        0x00080000
#define TBBS_INDETERMINATE 0x00100000
#define TBBS_WRAPPED       0x00200000
#define TBBS_ELLIPSES      0x00400000
#define TBBS_MARKED        0x00800000

// Control bar styles.
#define CBRS_NOALIGN       0x00000000L
#define CBRS_ALIGN_LEFT    0x00001000L
#define CBRS_ALIGN_TOP     0x00002000L
#define CBRS_ALIGN_RIGHT   0x00004000L
#define CBRS_ALIGN_BOTTOM  0x00008000L
#define CBRS_ALIGN_ANY     0x0000F000L
#define CBRS_BORDER_LEFT   0x00000100L
#define CBRS_BORDER_TOP    0x00000200L
#define CBRS_BORDER_RIGHT  0x00000400L
#define CBRS_BORDER_BOTTOM 0x00000800L
#define CBRS_BORDER_ANY    0x00000F00L
#define CBRS_BORDER_3D     0x00000080L
#define CBRS_FLOAT_MULTI   0x00000040L
#define CBRS_FLYBY         0x00000020L
#define CBRS_TOOLTIPS      0x00000010L
#define CBRS_HIDE_INPLACE  0x00000008L
#define CBRS_SIZE_DYNAMIC  0x00000004L
#define CBRS_SIZE_FIXED    0x00000002L
#define CBRS_FLOATING      0x00000001L
#define CBRS_GRIPPER       0x00400000L
#define CBRS_ORIENT_HORZ   (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT   (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY    (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL           0x0040FFFFL
#define CBRS_LEFT          (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP           (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT         (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM        (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Status bar pane styles.
#define SBPS_NORMAL     0x0000
#define SBPS_NOBORDERS  SBT_NOBORDERS
#define SBPS_POPOUT     SBT_POPOUT
#define SBPS_OWNERDRAW  SBT_OWNERDRAW
#define SBPS_DISABLED   0x04000000
#define SBPS_STRETCH    0x08000000

// Layout modes of CalcDynamicLayout.
#define LM_STRETCH   0x01
#define LM_HORZ      0x02
#define LM_MRUWIDTH  0x04
#define LM_HORZDOCK  0x08
#define LM_VERTDOCK  0x10
#define LM_LENGTHY   0x20
#define LM_COMMIT    0x40

// Private window messages of the framework.
#define WM_QUERYAFXWNDPROC  0x0360
#define WM_SIZEPARENT       0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI  0x0363
#define WM_INITIALUPDATE    0x0364
#define WM_COMMANDHELP      0x0365
#define WM_HELPHITTEST      0x0366
#define WM_EXITHELPMODE     0x0367
#define WM_RECALCPARENT     0x0368
#define WM_SIZECHILD        0x0369
#define WM_KICKIDLE         0x036A
#define WM_QUERYCENTERWND   0x036B
#define WM_DISABLEMODAL     0x036C
#define WM_FLOATSTATUS      0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_POPMESSAGESTRING 0x0375
#define WM_HELPPROMPTADDR   0x0376
#define WM_FORWARDMSG       0x037F

// WM_FLOATSTATUS flags.
#define FS_SHOW       0x01
#define FS_HIDE       0x02
#define FS_ACTIVATE   0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE     0x10
#define FS_DISABLE    0x20
#define FS_SYNCACTIVE 0x40

// Resource type of toolbar layouts.
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#define RT_DLGINIT MAKEINTRESOURCE(240)

// Framework strings.
#define AFX_IDS_APP_TITLE          0xE000
#define AFX_IDS_IDLEMESSAGE        0xE001
#define AFX_IDS_HELPMODEMESSAGE    0xE002
#define AFX_IDS_APP_TITLE_EMBEDDING 0xE003
#define AFX_IDS_COMPANY_NAME       0xE004
#define AFX_IDS_OBJ_TITLE_INPLACE  0xE005
#define AFX_IDS_SCFIRST            0xEF00
#define AFX_IDS_SCSIZE             0xEF00
#define AFX_IDS_SCMOVE             0xEF01
#define AFX_IDS_SCMINIMIZE         0xEF02
#define AFX_IDS_SCMAXIMIZE         0xEF03
#define AFX_IDS_SCNEXTWINDOW       0xEF04
#define AFX_IDS_SCPREVWINDOW       0xEF05
#define AFX_IDS_SCCLOSE            0xEF06
#define AFX_IDS_SCRESTORE          0xEF12
#define AFX_IDS_SCTASKLIST         0xEF13
#define AFX_IDS_MDICHILD           0xEF1F
#define AFX_IDS_OPENFILE           0xF000
#define AFX_IDS_SAVEFILE           0xF001
#define AFX_IDS_ALLFILTER          0xF002
#define AFX_IDS_UNTITLED           0xF003
#define AFX_IDS_HIDE               0xF011

// Control bar and pane window ids.
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST  0xE8FF
#define AFX_IDW_TOOLBAR          0xE800
#define AFX_IDW_STATUS_BAR       0xE801
#define AFX_IDW_PREVIEW_BAR      0xE802
#define AFX_IDW_RESIZE_BAR       0xE803
#define AFX_IDW_REBAR            0xE804
#define AFX_IDW_DIALOGBAR        0xE805
#define AFX_IDW_DOCKBAR_TOP      0xE81B
#define AFX_IDW_DOCKBAR_LEFT     0xE81C
#define AFX_IDW_DOCKBAR_RIGHT    0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM   0xE81E
#define AFX_IDW_DOCKBAR_FLOAT    0xE81F
#define AFX_IDW_PANE_FIRST       0xE900
#define AFX_IDW_PANE_LAST        0xE9FF
#define AFX_IDW_HSCROLL_FIRST    0xEA00
#define AFX_IDW_VSCROLL_FIRST    0xEA10
#define AFX_IDW_SIZE_BOX         0xEA20
#define AFX_IDW_PANE_SAVE        0xEA21

// Standard command ids.
#define ID_SEPARATOR          0
#define ID_FILE_NEW           0xE100
#define ID_FILE_OPEN          0xE101
#define ID_FILE_CLOSE         0xE102
#define ID_FILE_SAVE          0xE103
#define ID_FILE_SAVE_AS       0xE104
#define ID_FILE_PAGE_SETUP    0xE105
#define ID_FILE_PRINT_SETUP   0xE106
#define ID_FILE_PRINT         0xE107
#define ID_FILE_PRINT_DIRECT  0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
#define ID_FILE_UPDATE        0xE10A
#define ID_FILE_SAVE_COPY_AS  0xE10B
#define ID_FILE_SEND_MAIL     0xE10C
#define ID_FILE_MRU_FIRST     0xE110
#define ID_FILE_MRU_FILE1     0xE110
#define ID_FILE_MRU_FILE2     0xE111
#define ID_FILE_MRU_FILE3     0xE112
#define ID_FILE_MRU_FILE4     0xE113
#define ID_FILE_MRU_FILE5     0xE114
#define ID_FILE_MRU_FILE6     0xE115
#define ID_FILE_MRU_FILE7     0xE116
#define ID_FILE_MRU_FILE8     0xE117
#define ID_FILE_MRU_FILE9     0xE118
#define ID_FILE_MRU_FILE10    0xE119
#define ID_FILE_MRU_FILE11    0xE11A
#define ID_FILE_MRU_FILE12    0xE11B
#define ID_FILE_MRU_FILE13    0xE11C
#define ID_FILE_MRU_FILE14    0xE11D
#define ID_FILE_MRU_FILE15    0xE11E
#define ID_FILE_MRU_FILE16    0xE11F
#define ID_FILE_MRU_LAST      0xE11F
#define ID_EDIT_CLEAR         0xE120
#define ID_EDIT_CLEAR_ALL     0xE121
#define ID_EDIT_COPY          0xE122
#define ID_EDIT_CUT           0xE123
#define ID_EDIT_FIND          0xE124
#define ID_EDIT_PASTE         0xE125
#define ID_EDIT_PASTE_LINK    0xE126
#define ID_EDIT_PASTE_SPECIAL 0xE127
#define ID_EDIT_REPEAT        0xE128
#define ID_EDIT_REPLACE       0xE129
#define ID_EDIT_SELECT_ALL    0xE12A
#define ID_EDIT_UNDO          0xE12B
#define ID_EDIT_REDO          0xE12C
#define ID_WINDOW_NEW         0xE130
#define ID_WINDOW_ARRANGE     0xE131
#define ID_WINDOW_CASCADE     0xE132
#define ID_WINDOW_TILE_HORZ   0xE133
#define ID_WINDOW_TILE_VERT   0xE134
#define ID_WINDOW_SPLIT       0xE135
#define ID_APP_ABOUT          0xE140
#define ID_APP_EXIT           0xE141
#define ID_HELP_INDEX         0xE142
#define ID_HELP_FINDER        0xE143
#define ID_HELP_USING         0xE144
#define ID_CONTEXT_HELP       0xE145
#define ID_HELP               0xE146
#define ID_DEFAULT_HELP       0xE147
#define ID_NEXT_PANE          0xE150
#define ID_PREV_PANE          0xE151
#define ID_FORMAT_FONT        0xE160
#define ID_OLE_INSERT_NEW     0xE200
#define ID_OLE_EDIT_LINKS     0xE201
#define ID_OLE_EDIT_CONVERT   0xE202
#define ID_OLE_EDIT_CHANGE_ICON 0xE203
#define ID_OLE_EDIT_PROPERTIES 0xE204
#define ID_OLE_VERB_FIRST     0xE210
#define ID_OLE_VERB_LAST      0xE21F
#define ID_PREVIEW_CLOSE      0xE300
#define ID_PREVIEW_NUMPAGE    0xE301
#define ID_PREVIEW_NEXT       0xE302
#define ID_PREVIEW_PREV       0xE303
#define ID_PREVIEW_PRINT      0xE304
#define ID_PREVIEW_ZOOMIN     0xE305
#define ID_PREVIEW_ZOOMOUT    0xE306
#define ID_INDICATOR_EXT      0xE700
#define ID_INDICATOR_CAPS     0xE701
#define ID_INDICATOR_NUM      0xE702
#define ID_INDICATOR_SCRL     0xE703
#define ID_INDICATOR_OVR      0xE704
#define ID_INDICATOR_REC      0xE705
#define ID_INDICATOR_KANA     0xE706
#define ID_VIEW_TOOLBAR       0xE800
#define ID_VIEW_STATUS_BAR    0xE801
#define ID_VIEW_REBAR         0xE804
#define ID_VIEW_AUTOARRANGE   0xE805
#define ID_RECORD_FIRST       0xE900
#define ID_RECORD_LAST        0xE901
#define ID_RECORD_NEXT        0xE902
#define ID_RECORD_PREV        0xE903

// Dialog ids the framework reserves.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
