#include "framework/CDataSourceDialog.h"
#include "framework/CDatabase.h"
#include "framework/CDBException.h"
#include "framework/CDbTextCodec.h"
#include "framework/CFileException.h"
#include "framework/CTestSeams.h"
#include <commdlg.h>
#include <sqlext.h>
#include <initializer_list>
#include <string>

namespace {
const char kCaption[] = "选择数据源";

// ---- the dialog template, built in memory so that no program needs a resource for it ----

class TemplateWriter
{
public:
    void Word(WORD w) { m_bytes.append((const char*)&w, sizeof w); }
    void Dword(DWORD d) { m_bytes.append((const char*)&d, sizeof d); }
    void Text(LPCSTR text)
    {
        int n = MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
        std::wstring wide(n > 0 ? n : 1, L'\0');
        if (n > 0)
            MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], n);
        m_bytes.append((const char*)wide.data(), wide.size() * sizeof(wchar_t));
    }
    void AlignDword()
    {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back('\0');
    }
    void Item(WORD classAtom, LPCSTR text, WORD id, DWORD style, short x, short y, short cx,
              short cy)
    {
        AlignDword();
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Word((WORD)x);
        Word((WORD)y);
        Word((WORD)cx);
        Word((WORD)cy);
        Word(id);
        Word(0xFFFF);
        Word(classAtom);
        Text(text);
        Word(0); // no creation data
    }
    // The DWORD alignment the dialog manager requires of a template comes from std::string's allocation.
    const DLGTEMPLATE* Get() const { return (const DLGTEMPLATE*)m_bytes.data(); }

private:
    std::string m_bytes;
};

enum : WORD
{
    kButton = 0x0080,
    kEdit = 0x0081,
    kStatic = 0x0082,
    kListBox = 0x0083,
    kComboBox = 0x0085
};
const WORD kItemCount = 11;

void BuildTemplate(TemplateWriter& t)
{
    t.Dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    t.Dword(0);
    t.Word(kItemCount);
    t.Word(0);
    t.Word(0);
    t.Word(264);
    t.Word(182);
    t.Word(0); // no menu
    t.Word(0); // the standard dialog class
    t.Text(kCaption);
    t.Word(9);
    t.Text("宋体");

    t.Item(kButton, "机器数据源(&M)", CDataSourceDialog::IDC_DSN_RADIO,
           BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 7, 7, 180, 10);
    t.Item(kListBox, "", CDataSourceDialog::IDC_DSN_LIST,
           LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 17, 20, 240,
           62);
    t.Item(kButton, "驱动程序和数据库文件(&D)", CDataSourceDialog::IDC_DRIVER_RADIO,
           BS_AUTORADIOBUTTON, 7, 89, 180, 10);
    t.Item(kStatic, "驱动程序(&V):", (WORD)-1, SS_LEFT | WS_GROUP, 17, 105, 62, 8);
    t.Item(kComboBox, "", CDataSourceDialog::IDC_DRIVER_COMBO,
           CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 82, 103, 175, 100);
    t.Item(kStatic, "数据库文件(&F):", (WORD)-1, SS_LEFT, 17, 123, 62, 8);
    t.Item(kEdit, "", CDataSourceDialog::IDC_FILE_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 82,
           121, 128, 13);
    t.Item(kButton, "浏览(&B)...", CDataSourceDialog::IDC_BROWSE, BS_PUSHBUTTON | WS_TABSTOP, 214,
           120, 43, 15);
    t.Item(kStatic, "", (WORD)-1, SS_ETCHEDHORZ, 7, 148, 250, 1);
    t.Item(kButton, "确定", IDOK, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 153, 158, 50, 15);
    t.Item(kButton, "取消", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 207, 158, 50, 15);
}

// ---- connect strings: keyword=value pairs separated by ";", a value in braces may hold ";" ----

struct Pair
{
    CString strKey;
    CString strValue; // as written, braces included
    int nStart;       // the pair's bytes in the string, its ";" not included
    int nEnd;
};

std::vector<Pair> SplitConnect(const CString& connect)
{
    std::vector<Pair> pairs;
    LPCTSTR s = connect;
    int length = connect.GetLength();
    int i = 0;
    while (i < length)
    {
        Pair p;
        p.nStart = i;
        while (i < length && s[i] != '=' && s[i] != ';')
            ++i;
        p.strKey = CString(s + p.nStart, i - p.nStart);
        p.strKey.Trim();
        if (i < length && s[i] == '=')
        {
            int valueStart = ++i;
            if (i < length && s[i] == '{')
            {
                while (i < length && s[i] != '}')
                    ++i;
                if (i < length)
                    ++i;
            }
            while (i < length && s[i] != ';')
                ++i;
            p.strValue = CString(s + valueStart, i - valueStart);
        }
        p.nEnd = i;
        if (!p.strKey.IsEmpty())
            pairs.push_back(p);
        if (i < length)
            ++i; // the ";"
    }
    return pairs;
}

CString Unbraced(const CString& value)
{
    CString v = value;
    v.Trim();
    if (v.GetLength() >= 2 && v[0] == '{' && v[v.GetLength() - 1] == '}')
        return v.Mid(1, v.GetLength() - 2);
    return v;
}

CString Quoted(LPCTSTR value)
{
    CString v(value);
    if (v.FindOneOf(";{}") >= 0 || (!v.IsEmpty() && (v[0] == ' ' || v[v.GetLength() - 1] == ' ')))
        return "{" + v + "}";
    return v;
}

bool IsKey(const Pair& p, LPCTSTR key)
{
    return p.strKey.CompareNoCase(key) == 0;
}

// The keywords of the caller's string that the chooser does not ask for itself.
CString FurtherKeywords(const CString& connect)
{
    CString more;
    for (const Pair& p : SplitConnect(connect))
    {
        if (IsKey(p, "DSN") || IsKey(p, "DRIVER") || IsKey(p, "DATABASE") || IsKey(p, "FILEDSN"))
            continue;
        if (!more.IsEmpty())
            more += ";";
        more += CString((LPCTSTR)connect + p.nStart, p.nEnd - p.nStart);
    }
    return more;
}

CString FindValue(const CString& connect, LPCTSTR key)
{
    for (const Pair& p : SplitConnect(connect))
        if (IsKey(p, key))
            return Unbraced(p.strValue);
    return CString();
}

std::vector<CDataSourceDialog::Entry> ListFromDriverManager(bool sources)
{
    std::vector<CDataSourceDialog::Entry> entries;
    HENV henv = CDatabase::GetEnvironment();
    if (henv == SQL_NULL_HENV)
        return entries;
    SQLCHAR name[SQL_MAX_DSN_LENGTH + 256];
    SQLCHAR description[1024];
    SQLSMALLINT nameLength = 0, descriptionLength = 0;
    UWORD direction = SQL_FETCH_FIRST;
    while (true)
    {
        name[0] = 0;
        description[0] = 0;
        RETCODE rc = sources
                         ? ::SQLDataSources(henv, direction, name, sizeof name - 1, &nameLength,
                                            description, sizeof description - 1, &descriptionLength)
                         : ::SQLDrivers(henv, direction, name, sizeof name - 1, &nameLength,
                                        description, sizeof description - 1, &descriptionLength);
        if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO)
            break;
        direction = SQL_FETCH_NEXT;
        CDataSourceDialog::Entry entry;
        entry.strName = CDbTextCodec::FromDriver(std::string((const char*)name)).c_str();
        // A driver's description is a list of attribute strings; only the first one is for people.
        entry.strDescription =
            CDbTextCodec::FromDriver(std::string((const char*)description)).c_str();
        if (!entry.strName.IsEmpty())
            entries.push_back(entry);
    }
    return entries;
}

typedef char*(CDECL* WineUnixName)(LPCWSTR);
typedef WCHAR*(CDECL* WineDosName)(LPCSTR);

std::wstring Wide(LPCTSTR text)
{
    int n = MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
    std::wstring wide(n > 0 ? n : 1, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], n);
    return wide;
}

CString Narrow(LPCWSTR text, UINT codePage)
{
    int n = WideCharToMultiByte(codePage, 0, text, -1, NULL, 0, NULL, NULL);
    if (n <= 0)
        return CString();
    std::string narrow((size_t)n, '\0');
    WideCharToMultiByte(codePage, 0, text, -1, &narrow[0], n, NULL, NULL);
    return CString(narrow.c_str());
}

// The Windows name of a file the user named, to look it up before the driver is given it.
CString WindowsFileName(const CString& path)
{
    if (!path.IsEmpty() && path[0] == '/')
    {
        auto toDos = (WineDosName)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"),
                                                        "wine_get_dos_file_name");
        if (toDos != NULL)
        {
            std::string utf8;
            CDbTextCodec::Convert(CP_ACP, CP_UTF8, path, (size_t)path.GetLength(), utf8);
            WCHAR* dos = toDos(utf8.c_str());
            if (dos != NULL)
            {
                CString result = Narrow(dos, CP_ACP);
                HeapFree(GetProcessHeap(), 0, dos);
                return result;
            }
        }
        return path;
    }
    char full[MAX_PATH * 2];
    DWORD n = GetFullPathNameA(path, sizeof full, full, NULL);
    if (n == 0 || n >= sizeof full)
        return path;
    return CString(full);
}
}

CDataSourceDialog::CDataSourceDialog(CDatabase* pDatabase, LPCTSTR lpszConnect, HWND hWndOwner)
    : m_pDatabase(pDatabase), m_strConnect(lpszConnect != NULL ? lpszConnect : ""),
      m_hWndOwner(hWndOwner), m_hWnd(NULL)
{}

LPCTSTR PASCAL CDataSourceDialog::GetCaption()
{
    return kCaption;
}

INT_PTR CDataSourceDialog::DoModal()
{
    TemplateWriter t;
    BuildTemplate(t);
    // The desktop is no owner to disable while the chooser runs.
    HWND owner = (m_hWndOwner == ::GetDesktopWindow()) ? NULL : m_hWndOwner;
    INT_PTR result = ::DialogBoxIndirectParamA(GetModuleHandleA(NULL), t.Get(), owner, &DialogProc,
                                               (LPARAM)this);
    m_hWnd = NULL;
    return result == IDOK ? IDOK : IDCANCEL;
}

INT_PTR CALLBACK CDataSourceDialog::DialogProc(HWND hDlg, UINT message, WPARAM wParam,
                                               LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        auto self = (CDataSourceDialog*)lParam;
        SetWindowLongPtrA(hDlg, DWLP_USER, (LONG_PTR)self);
        self->m_hWnd = hDlg;
        return self->OnInitDialog();
    }
    auto self = (CDataSourceDialog*)GetWindowLongPtrA(hDlg, DWLP_USER);
    if (self == NULL)
        return FALSE;
    if (message == WM_COMMAND)
    {
        self->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

BOOL CDataSourceDialog::OnInitDialog()
{
    m_sources = GetDataSources();
    m_drivers = GetDrivers();

    HWND list = GetDlgItem(m_hWnd, IDC_DSN_LIST);
    for (size_t i = 0; i < m_sources.size(); ++i)
    {
        CString text = m_sources[i].strName;
        if (!m_sources[i].strDescription.IsEmpty())
            text += "  (" + m_sources[i].strDescription + ")";
        int index = (int)SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)text);
        SendMessageA(list, LB_SETITEMDATA, (WPARAM)index, (LPARAM)i);
    }
    HWND combo = GetDlgItem(m_hWnd, IDC_DRIVER_COMBO);
    for (const Entry& driver : m_drivers)
        SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)(LPCTSTR)driver.strName);

    // Start from what the caller knows; otherwise from the first data source, or a SQLite driver.
    CString dsn = FindValue(m_strConnect, "DSN");
    CString driver = FindValue(m_strConnect, "DRIVER");
    int source = -1;
    for (size_t i = 0; i < m_sources.size(); ++i)
        if (m_sources[i].strName.CompareNoCase(dsn) == 0)
            source = (int)i;
    // Without a driver named, a SQLite 3 driver serves best: its databases are a file the user can name.
    int driverIndex = -1;
    for (LPCTSTR wanted : {(LPCTSTR)driver, "SQLite3", "SQLite"})
    {
        for (size_t i = 0; i < m_drivers.size() && driverIndex < 0 && *wanted != 0; ++i)
        {
            CString name = m_drivers[i].strName;
            if (wanted == (LPCTSTR)driver ? name.CompareNoCase(wanted) == 0
                                          : name.Find(wanted) >= 0)
                driverIndex = (int)i;
        }
        if (driverIndex >= 0 || !driver.IsEmpty())
            break;
    }
    if (driverIndex < 0 && !m_drivers.empty())
        driverIndex = 0;
    if (driverIndex >= 0)
        SendMessageA(combo, CB_SETCURSEL, (WPARAM)driverIndex, 0);
    SetDlgItemTextA(m_hWnd, IDC_FILE_EDIT, FindValue(m_strConnect, "DATABASE"));

    bool byDriver = !driver.IsEmpty() ||
                    (source < 0 && !FindValue(m_strConnect, "DATABASE").IsEmpty()) ||
                    m_sources.empty();
    if (!byDriver)
    {
        SendMessageA(list, LB_SETCURSEL, (WPARAM)(source >= 0 ? source : 0), 0);
        SelectKind(IDC_DSN_RADIO);
    }
    else
    {
        SelectKind(IDC_DRIVER_RADIO);
    }
    return TRUE;
}

void CDataSourceDialog::OnCommand(UINT nID, UINT nCode)
{
    switch (nID)
    {
    case IDC_DSN_RADIO:
    case IDC_DRIVER_RADIO:
        if (nCode == BN_CLICKED)
            SelectKind(nID);
        break;
    case IDC_DSN_LIST:
        if (nCode == LBN_SELCHANGE)
            SelectKind(IDC_DSN_RADIO);
        else if (nCode == LBN_DBLCLK &&
                 SendDlgItemMessageA(m_hWnd, IDC_DSN_LIST, LB_GETCURSEL, 0, 0) >= 0)
            OnOK();
        break;
    case IDC_DRIVER_COMBO:
        if (nCode == CBN_SELCHANGE)
            SelectKind(IDC_DRIVER_RADIO);
        break;
    case IDC_FILE_EDIT:
        if (nCode == EN_CHANGE)
            UpdateControls();
        break;
    case IDC_BROWSE:
        if (nCode == BN_CLICKED)
            OnBrowse();
        break;
    case IDOK:
        if (IsWindowEnabled(GetDlgItem(m_hWnd, IDOK)))
            OnOK();
        break;
    case IDCANCEL: EndDialog(m_hWnd, IDCANCEL); break;
    }
}

void CDataSourceDialog::OnBrowse()
{
    CString answer;
    BOOL handled = FALSE;
    BOOL chosen = CTestSeams::TakeFileDialogAnswer(answer, &handled);
    if (handled)
    {
        if (chosen)
        {
            SetDlgItemTextA(m_hWnd, IDC_FILE_EDIT, answer);
            SelectKind(IDC_DRIVER_RADIO);
        }
        return;
    }

    char file[MAX_PATH * 2] = {};
    CString current = GetItemText(IDC_FILE_EDIT);
    if (current.GetLength() < (int)sizeof file && (current.IsEmpty() || current[0] != '/'))
        lstrcpynA(file, current, sizeof file);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter =
        "SQLite 数据库 (*.db;*.db3;*.sqlite)\0*.db;*.db3;*.sqlite\0所有文件 (*.*)\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&ofn))
        return;
    SetDlgItemTextA(m_hWnd, IDC_FILE_EDIT, file);
    SelectKind(IDC_DRIVER_RADIO);
}

void CDataSourceDialog::OnOK()
{
    CString more = FurtherKeywords(m_strConnect);
    if (!IsDriverChosen())
    {
        int index = (int)SendDlgItemMessageA(m_hWnd, IDC_DSN_LIST, LB_GETCURSEL, 0, 0);
        if (index < 0)
            return;
        size_t source =
            (size_t)SendDlgItemMessageA(m_hWnd, IDC_DSN_LIST, LB_GETITEMDATA, (WPARAM)index, 0);
        if (source >= m_sources.size())
            return;
        CString connect = "DSN=" + Quoted(m_sources[source].strName);
        if (!more.IsEmpty())
            connect += ";" + more;
        if (TryConnect(connect, NULL))
            EndDialog(m_hWnd, IDOK);
        return;
    }

    CString driver = GetItemText(IDC_DRIVER_COMBO);
    CString file = GetItemText(IDC_FILE_EDIT);
    file.Trim();
    if (driver.IsEmpty() || file.IsEmpty())
        return;
    // A SQLite driver makes a new empty database for a name that does not exist: a mistyped name
    // must not become a working but empty connection.
    CString windowsName = WindowsFileName(file);
    DWORD attributes = GetFileAttributesA(windowsName);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    {
        CFileException e(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, windowsName);
        e.m_bAutoDelete = FALSE;
        e.ReportError(MB_ICONEXCLAMATION);
        HWND edit = GetDlgItem(m_hWnd, IDC_FILE_EDIT);
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        return;
    }
    if (TryConnect(MakeDriverConnect(driver, DriverFileName(file), more), driver))
        EndDialog(m_hWnd, IDOK);
}

BOOL CDataSourceDialog::TryConnect(const CString& strConnect, LPCTSTR lpszDriver)
{
    HCURSOR previous = SetCursor(LoadCursor(NULL, IDC_WAIT));
    try
    {
        BOOL connected = m_pDatabase->DriverConnect(strConnect, SQL_DRIVER_NOPROMPT, NULL);
        SetCursor(previous);
        if (connected && lpszDriver != NULL)
            m_pDatabase->m_strConnect =
                "ODBC;" + KeepDriver(m_pDatabase->m_strConnect.Mid(5), lpszDriver);
        return connected;
    }
    catch (CDBException* e)
    {
        SetCursor(previous);
        e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
        return FALSE;
    }
}

void CDataSourceDialog::SelectKind(UINT nRadioID)
{
    CheckRadioButton(m_hWnd, IDC_DSN_RADIO, IDC_DRIVER_RADIO, nRadioID);
    UpdateControls();
}

BOOL CDataSourceDialog::IsDriverChosen() const
{
    return IsDlgButtonChecked(m_hWnd, IDC_DRIVER_RADIO) == BST_CHECKED;
}

void CDataSourceDialog::UpdateControls()
{
    BOOL byDriver = IsDriverChosen();
    EnableWindow(GetDlgItem(m_hWnd, IDC_DSN_RADIO), !m_sources.empty());
    EnableWindow(GetDlgItem(m_hWnd, IDC_DSN_LIST), !byDriver && !m_sources.empty());
    EnableWindow(GetDlgItem(m_hWnd, IDC_DRIVER_RADIO), !m_drivers.empty());
    EnableWindow(GetDlgItem(m_hWnd, IDC_DRIVER_COMBO), byDriver);
    EnableWindow(GetDlgItem(m_hWnd, IDC_FILE_EDIT), byDriver);
    EnableWindow(GetDlgItem(m_hWnd, IDC_BROWSE), byDriver);
    BOOL complete;
    if (byDriver)
    {
        CString file = GetItemText(IDC_FILE_EDIT);
        file.Trim();
        complete = !GetItemText(IDC_DRIVER_COMBO).IsEmpty() && !file.IsEmpty();
    }
    else
    {
        complete = SendDlgItemMessageA(m_hWnd, IDC_DSN_LIST, LB_GETCURSEL, 0, 0) >= 0;
    }
    EnableWindow(GetDlgItem(m_hWnd, IDOK), complete);
}

CString CDataSourceDialog::GetItemText(UINT nID) const
{
    HWND item = GetDlgItem(m_hWnd, nID);
    int length = GetWindowTextLengthA(item);
    CString text;
    GetWindowTextA(item, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
    return text;
}

std::vector<CDataSourceDialog::Entry> PASCAL CDataSourceDialog::GetDataSources()
{
    return ListFromDriverManager(true);
}

std::vector<CDataSourceDialog::Entry> PASCAL CDataSourceDialog::GetDrivers()
{
    return ListFromDriverManager(false);
}

CString PASCAL CDataSourceDialog::DriverFileName(LPCTSTR lpszPath)
{
    CString path(lpszPath != NULL ? lpszPath : "");
    if (path.IsEmpty())
        return path;
    auto toUnix = (WineUnixName)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"),
                                                      "wine_get_unix_file_name");
    if (toUnix != NULL && path[0] == '/')
        return path; // already the Unix name
    CString full = WindowsFileName(path);
    if (toUnix == NULL)
        return full;
    std::wstring wide = Wide(full);
    char* unixName = toUnix(wide.c_str());
    if (unixName == NULL)
        return full;
    std::string ansi;
    CDbTextCodec::Convert(CP_UTF8, CP_ACP, unixName, strlen(unixName), ansi);
    HeapFree(GetProcessHeap(), 0, unixName);
    return CString(ansi.c_str());
}

CString PASCAL CDataSourceDialog::MakeDriverConnect(LPCTSTR lpszDriver, LPCTSTR lpszFile,
                                                    LPCTSTR lpszMore)
{
    CString connect = "DRIVER=" + Quoted(lpszDriver) + ";Database=" + Quoted(lpszFile);
    if (lpszMore != NULL && *lpszMore != 0)
    {
        connect += ";";
        connect += lpszMore;
    }
    return connect;
}

CString PASCAL CDataSourceDialog::KeepDriver(const CString& strCompleted, LPCTSTR lpszDriver)
{
    std::vector<Pair> pairs = SplitConnect(strCompleted);
    for (const Pair& p : pairs)
    {
        if (IsKey(p, "DRIVER") || IsKey(p, "FILEDSN") ||
            (IsKey(p, "DSN") && !Unbraced(p.strValue).IsEmpty()))
            return strCompleted;
    }
    // Cut the empty "DSN=" pairs out, from the back so that the earlier offsets stay right.
    CString rest = strCompleted;
    for (auto it = pairs.rbegin(); it != pairs.rend(); ++it)
    {
        if (!IsKey(*it, "DSN"))
            continue;
        int end = it->nEnd < rest.GetLength() ? it->nEnd + 1 : it->nEnd;
        rest.Delete(it->nStart, end - it->nStart);
    }
    CString result = "DRIVER=" + Quoted(lpszDriver);
    if (!rest.IsEmpty())
        result += ";" + rest;
    return result;
}
