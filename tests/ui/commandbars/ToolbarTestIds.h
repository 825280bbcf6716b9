// The resource ids of ToolbarTest.rc: its toolbars and the commands of their buttons.
#pragma once
#include <windows.h>

// Ten buttons in three groups, with their image strip.
const UINT kToolbar = 30001;
// Broken resources: no image width, fewer items than the count says, no image strip.
const UINT kNoImageWidth = 30002;
const UINT kTruncated = 30003;
const UINT kNoBitmap = 30004;
// A separator and two buttons, drawn from a strip of its own.
const UINT kLeadingSeparator = 30005;

// The buttons' commands, each with a prompt and a tip in the string table.
const UINT kOpen = 30101, kSave = 30102, kCut = 30103, kCopy = 30104, kPaste = 30105;
const UINT kPrint = 30106, kFind = 30107, kReplace = 30108, kUndo = 30109, kRedo = 30110;
