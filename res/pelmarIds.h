// Resource ids of pelmar, the connection configurator.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_PELMAR_DIALOG 102
#define IDR_MAINFRAME 128

// The system-menu item that opens the about box (a system command id keeps its low four bits clear).
#define IDM_ABOUTBOX 0x0010

#define IDC_CONFIGURE 3
#define IDC_STATUS 1000
