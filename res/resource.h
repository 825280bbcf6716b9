// Resource ids of vorlen's own screens (dialogs, menu, strings, bitmaps, icons).
#pragma once

// ---- Business forms and dialogs -------------------------------------------------------
// Dialog templates (res/forms.rc).
#define IDD_SETTINGS 153
#define IDD_PURCHASE_MAINTAIN 157
#define IDD_STOCK_MAINTAIN 164
#define IDD_SALES_MAINTAIN 166
#define IDD_STOCK_IN 185
#define IDD_SALE 187
#define IDD_PURCHASE_QUERY 189
#define IDD_SALES_QUERY 190
#define IDD_STOCK_QUERY 191
#define IDD_LOGIN 206
#define IDD_DAY_REPORT 209
#define IDD_RANGE_REPORT 210
#define IDD_MESSAGE 214

// The banner picture of the application's dialogs (also used by the about box).
#define IDB_BANNER 186

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Controls. The templates reuse the same numbers for different fields, so each form
// has its own names; equal numbers are intended.
#define IDC_SETTINGS_GRID_PLACE 1042
#define IDC_SETTINGS_AUTORUN 1043
#define IDC_MAINTAIN_GRID_PLACE 1044
#define IDC_STATUS 1060

#define IDC_LOGIN_USER 1050
#define IDC_LOGIN_PASSWORD 1053

#define IDC_MESSAGE_TEXT 1061
#define IDC_MESSAGE_HELP 9
#define IDC_MESSAGE_SUPPORT 4

#define IDC_STOCKIN_DATE 1047
#define IDC_STOCKIN_EXPIRY 1048
#define IDC_STOCKIN_BUYER 1050
#define IDC_STOCKIN_CATEGORY 1051
#define IDC_STOCKIN_SUBCATEGORY 1052
#define IDC_STOCKIN_NUMBER 1053
#define IDC_STOCKIN_NAME 1054
#define IDC_STOCKIN_ORIGIN 1055
#define IDC_STOCKIN_SPEC 1056
#define IDC_STOCKIN_BATCH 1057
#define IDC_STOCKIN_PRICE 1058
#define IDC_STOCKIN_QUANTITY 1059

#define IDC_SALE_NAME 1050
#define IDC_SALE_ORIGIN 1051
#define IDC_SALE_SPEC 1052
#define IDC_SALE_QUANTITY 1053
#define IDC_SALE_AMOUNT 1054
#define IDC_SALE_PRICE 1055
#define IDC_SALE_TYPE 1056
#define IDC_SALE_PER_BOX 1057
#define IDC_SALE_EXPIRY 1058
#define IDC_SALE_DATETIME 1061
#define IDC_SALE_PER_BOX_LABEL 1062

#define IDC_MAINTAIN_RELOAD 3
#define IDC_MAINTAIN_DELETE 4
#define IDC_MAINTAIN_SAVE 5
#define IDC_MAINTAIN_ADD 7
#define IDC_MAINTAIN_EXPORT 8

#define IDC_SETTINGS_RELOAD 3
#define IDC_SETTINGS_ADD 4
#define IDC_SETTINGS_DELETE 5
#define IDC_SETTINGS_SAVE 6

#define IDC_QUERY_START 1047
#define IDC_QUERY_END 1048
#define IDC_QUERY_HINT 1063
#define IDC_STOCKQ_NAME 1061
#define IDC_STOCKQ_ORIGIN 1053
#define IDC_STOCKQ_SPEC 1054
#define IDC_STOCKQ_EXPIRY 1055
// ---- end of business forms ------------------------------------------------------------

// ---- Frame, menu, toolbar, about box and splash ---------------------------------------
// Menu, accelerators, toolbar and its bitmap, program icon and the document template string.
#define IDR_MAINFRAME 128
// The one-item toolbar list shown for a right click on a bar and under 系统 > 界面 > 工具栏.
#define IDR_TOOLBAR_LIST 131
#define IDD_ABOUTBOX 100
#define IDS_TOOLBAR_NAME 101
#define IDD_SPLASH 212
#define IDB_SPLASH 213
#define IDC_ABOUT_LINK 1042
#define IDC_SPLASH_VERSION 1060
// Status-bar pane of the clock; its string gives the pane's width.
#define ID_INDICATOR_CLOCK 61446

// Menu commands.
#define ID_TOOLBAR_LIST_PLACE 32771
#define ID_SYSTEM_SETTINGS 32827
#define ID_PURCHASE_STOCK_IN 32831
#define ID_PURCHASE_MAINTAIN 32832
#define ID_PURCHASE_QUERY 32833
#define ID_STOCK_QUERY 32834
#define ID_STOCK_MAINTAIN 32835
#define ID_SALE_ADD 32836
#define ID_SALE_QUERY 32837
#define ID_SALE_MAINTAIN 32838
#define ID_HELP_CALCULATOR 32845
#define ID_REPORT_DAY_SALES 32847
#define ID_LIST_TODAY_SALES 32848
#define ID_LIST_STOCK 32849
#define ID_LIST_YEAR_PURCHASES 32850
#define ID_HELP_FEEDBACK 32856
#define ID_SYSTEM_RELOAD 32862
#define ID_SYSTEM_SAVE_HTML 32864
#define ID_HELP_CONTENTS 32869
#define ID_REPORT_EXPIRY 32872
#define ID_REPORT_YEAR_PURCHASES 32873
#define ID_REPORT_MONTH_SALES 32875
#define ID_REPORT_YEAR_SALES 32876
#define ID_REPORT_SHORTAGE 32878
#define ID_REPORT_TOTAL_COST 32879
#define ID_REPORT_AVERAGE_COST 32880
#define ID_REPORT_MONTH_PURCHASES 32881
#define ID_REPORT_BAD_DEBTS 32883
// ---- end of frame -----------------------------------------------------------------------
