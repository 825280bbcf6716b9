// The framework's data-source chooser, shown for a prompting connect where the driver manager has no dialog of its own.
#pragma once
#include "framework/CString.h"
#include <vector>

class CDatabase;

class CDataSourceDialog
{
public:
    // Controls of the chooser, for whoever drives it from outside (tests, automation).
    enum
    {
        IDC_DSN_RADIO = 1101, // "机器数据源": connect to a data source the driver manager knows
        IDC_DSN_LIST = 1102,
        IDC_DRIVER_RADIO =
            1103, // "驱动程序和数据库文件": connect through a driver to a database file
        IDC_DRIVER_COMBO = 1104,
        IDC_FILE_EDIT = 1105,
        IDC_BROWSE = 1106,
    };

    struct Entry
    {
        CString strName;
        CString strDescription;
    };

    // pDatabase has its connection handle allocated; lpszConnect is what the caller already knows
    // (a data source, a driver, a database file, further keywords such as a password).
    CDataSourceDialog(CDatabase* pDatabase, LPCTSTR lpszConnect, HWND hWndOwner);

    // IDOK once the database is connected with the user's choice; IDCANCEL when the user gave up.
    // A refused connect is shown by the exception's standard report and the chooser stays open.
    INT_PTR DoModal();

    // The chooser's caption, by which a test finds its window.
    static LPCTSTR PASCAL GetCaption();

    // What the driver manager lists, in its order.
    static std::vector<Entry> PASCAL GetDataSources();
    static std::vector<Entry> PASCAL GetDrivers();

    // The database file as the driver must be given it: a full path, and under Wine the Unix one.
    static CString PASCAL DriverFileName(LPCTSTR lpszPath);
    // "DRIVER=...;Database=..." followed by the further keywords, with values quoted where they must be.
    static CString PASCAL MakeDriverConnect(LPCTSTR lpszDriver, LPCTSTR lpszFile, LPCTSTR lpszMore);
    // Some drivers complete a connection made by driver name with an empty "DSN=" and no driver, which
    // connects to nothing the next time: such a string gets its driver back in place of the empty DSN.
    static CString PASCAL KeepDriver(const CString& strCompleted, LPCTSTR lpszDriver);

private:
    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog();
    void OnCommand(UINT nID, UINT nCode);
    void OnBrowse();
    void OnOK();
    // Tries the connect; FALSE after the refusal has been reported.
    BOOL TryConnect(const CString& strConnect, LPCTSTR lpszDriver);
    // Enables what belongs to the chosen kind of connection, and OK once the choice is complete.
    void UpdateControls();
    void SelectKind(UINT nRadioID);
    BOOL IsDriverChosen() const;
    CString GetItemText(UINT nID) const;

    CDatabase* m_pDatabase;
    CString m_strConnect;
    HWND m_hWndOwner;
    HWND m_hWnd;
    std::vector<Entry> m_sources;
    std::vector<Entry> m_drivers;
};
