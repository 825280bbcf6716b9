// Resource ids of vorlen's own screens (dialogs, menu, strings, bitmaps, icons).
#pragma once

// ---- Business forms and dialogs -------------------------------------------------------
// Dialog templates (res/forms.rc).
#define IDD_SETTINGS            153
#define IDD_PURCHASE_MAINTAIN   157
#define IDD_STOCK_MAINTAIN      164
#define IDD_SALES_MAINTAIN      166
#define IDD_STOCK_IN            185
#define IDD_SALE                187
#define IDD_PURCHASE_QUERY      189
#define IDD_SALES_QUERY         190
#define IDD_STOCK_QUERY         191
#define IDD_LOGIN               206
#define IDD_DAY_REPORT          209
#define IDD_RANGE_REPORT        210
#define IDD_MESSAGE             214

// The banner picture of the application's dialogs (also used by the about box).
#define IDB_BANNER              186

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

// Controls. The templates reuse the same numbers for different fields, so each form
// has its own names; equal numbers are intended.
#define IDC_SETTINGS_GRID_PLACE 1042
#define IDC_SETTINGS_AUTORUN    1043
#define IDC_MAINTAIN_GRID_PLACE 1044
#define IDC_STATUS              1060

#define IDC_LOGIN_USER          1050
#define IDC_LOGIN_PASSWORD      1053

#define IDC_MESSAGE_TEXT        1061
#define IDC_MESSAGE_HELP        9
#define IDC_MESSAGE_SUPPORT     4

#define IDC_STOCKIN_DATE        1047
#define IDC_STOCKIN_EXPIRY      1048
#define IDC_STOCKIN_BUYER       1050
#define IDC_STOCKIN_CATEGORY    1051
#define IDC_STOCKIN_SUBCATEGORY 1052
#define IDC_STOCKIN_NUMBER      1053
#define IDC_STOCKIN_NAME        1054
#define IDC_STOCKIN_ORIGIN      1055
#define IDC_STOCKIN_SPEC        1056
#define IDC_STOCKIN_BATCH       1057
#define IDC_STOCKIN_PRICE       1058
#define IDC_STOCKIN_QUANTITY    1059

#define IDC_SALE_NAME           1050
#define IDC_SALE_ORIGIN         1051
#define IDC_SALE_SPEC           1052
#define IDC_SALE_QUANTITY       1053
#define IDC_SALE_AMOUNT         1054
#define IDC_SALE_PRICE          1055
#define IDC_SALE_TYPE           1056
#define IDC_SALE_PER_BOX        1057
#define IDC_SALE_EXPIRY         1058
#define IDC_SALE_DATETIME       1061
#define IDC_SALE_PER_BOX_LABEL  1062

#define IDC_MAINTAIN_RELOAD     3
#define IDC_MAINTAIN_DELETE     4
#define IDC_MAINTAIN_SAVE       5
#define IDC_MAINTAIN_ADD        7
#define IDC_MAINTAIN_EXPORT     8

#define IDC_SETTINGS_RELOAD     3
#define IDC_SETTINGS_ADD        4
#define IDC_SETTINGS_DELETE     5
#define IDC_SETTINGS_SAVE       6

#define IDC_QUERY_START         1047
#define IDC_QUERY_END           1048
#define IDC_QUERY_HINT          1063
#define IDC_STOCKQ_NAME         1061
#define IDC_STOCKQ_ORIGIN       1053
#define IDC_STOCKQ_SPEC         1054
#define IDC_STOCKQ_EXPIRY       1055
// ---- end of business forms ------------------------------------------------------------
