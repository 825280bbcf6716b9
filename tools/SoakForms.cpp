// Soak of vorlen's forms: starts vorlen.exe, logs in and drives it through every form and dialog of
// its menus round after round, printing its resident size, GDI objects and windows after each.
//   soak_forms <folder holding vorlen.exe, its database and connect.txt> [rounds]
// With --plain it opens the same dialog templates in a bare Win32 dialog loop of its own instead,
// once as the platform leaves them and once with the pictures' images released, to tell the
// platform's growth from vorlen's:
//   soak_forms --plain <tag> [rounds]      (tag: a word of this program's command line, unique)
#include "framework/AfxConstants.h"
#include "res/resource.h"
#include "tests/support/GuiObjects.h"
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

const DWORD kTimeout = 15000;

// ---- the Linux side of a Wine process ----

// The Linux process id of the process running program (the end of its first argument) whose
// command line holds the needle, 0 when there is none. Wine runs each Windows process as a
// Linux process; Z: is the Linux root.
long LinuxPidOf(const std::string& program, const std::string& needle)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    long pid = 0;
    do
    {
        char* end = nullptr;
        long candidate = strtol(found.cFileName, &end, 10);
        if (candidate <= 0 || *end != 0)
            continue;
        std::string path = std::string("Z:\\proc\\") + found.cFileName + "\\cmdline";
        FILE* file = fopen(path.c_str(), "rb");
        if (file == nullptr)
            continue;
        std::string line;
        char buffer[4096];
        size_t got;
        while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
            line.append(buffer, got);
        fclose(file);
        std::string first = line.substr(0, line.find('\0'));
        for (char& c : line)
            c = c == 0 ? ' ' : (c == '/' ? '\\' : c);
        if (first.size() >= program.size() &&
            lstrcmpiA(first.c_str() + first.size() - program.size(), program.c_str()) == 0 &&
            line.find(needle) != std::string::npos)
            pid = candidate;
    } while (pid == 0 && FindNextFileA(search, &found));
    FindClose(search);
    return pid;
}

// VmRSS of a Linux process in kB, -1 when it cannot be read. (Z:\proc\self would be the Wine
// server, which opens files for its clients.)
long ResidentKb(long linuxPid)
{
    char path[64];
    sprintf(path, "Z:\\proc\\%ld\\status", linuxPid);
    FILE* file = fopen(path, "r");
    if (file == nullptr)
        return -1;
    char line[256];
    long kb = -1;
    while (fgets(line, sizeof line, file))
        if (strncmp(line, "VmRSS:", 6) == 0)
            kb = atol(line + 6);
    fclose(file);
    return kb;
}

struct Figures
{
    long rssKb;
    int gdi;
    int windows;
};

Figures Measure(HANDLE process, long linuxPid)
{
    return {ResidentKb(linuxPid), GuiObjects::GdiCount(process),
            GuiObjects::WindowCount(GetProcessId(process))};
}

// ---- the report ----

class Report
{
public:
    explicit Report(const char* what) : m_what(what)
    {
        printf("%s\n%-7s %7s %10s %6s %8s\n", what, "round", "forms", "VmRSS(kB)", "GDI",
               "windows");
    }
    void Row(const char* label, int forms, const Figures& f)
    {
        printf("%-7s %7d %10ld %6d %8d\n", label, forms, f.rssKb, f.gdi, f.windows);
        fflush(stdout);
        m_rows.push_back({forms, f});
    }
    // Growth per opened form from the end of the first round on: the first round fills caches.
    // A count grows when it rises over the second half of the rounds; a single step on the way
    // (a cache of the platform's that fills late) is not growth.
    void Summary() const
    {
        if (m_rows.size() < 3)
            return;
        const Entry& first = m_rows[1];
        const Entry& half = m_rows[m_rows.size() / 2];
        const Entry& last = m_rows.back();
        int forms = last.forms - first.forms;
        long kb = last.f.rssKb - first.f.rssKb;
        double perForm = forms > 0 ? kb * 1024.0 / forms : 0;
        printf("%s: after round 1 %+ld kB over %d forms = %.0f bytes a form; GDI %d, %d, %d and "
               "windows %d, %d, %d after round 1, half the rounds and the last\n",
               m_what, kb, forms, perForm, first.f.gdi, half.f.gdi, last.f.gdi, first.f.windows,
               half.f.windows, last.f.windows);
        bool met = perForm < 1024 && last.f.gdi <= half.f.gdi && last.f.windows <= half.f.windows;
        printf("%s: target (under 1 KB a form, no growing object count) %s\n", m_what,
               met ? "met" : "missed");
        fflush(stdout);
    }

private:
    struct Entry
    {
        int forms;
        Figures f;
    };
    const char* m_what;
    std::vector<Entry> m_rows;
};

template <class Condition>
bool WaitFor(Condition condition, DWORD milliseconds = kTimeout)
{
    DWORD start = GetTickCount();
    while (!condition())
    {
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(5);
    }
    return true;
}

// ---- vorlen driven from outside ----

class Vorlen
{
public:
    explicit Vorlen(const std::string& folder) : m_folder(folder), m_process() {}
    ~Vorlen()
    {
        if (m_process.hProcess == nullptr)
            return;
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
        {
            PostMessageA(m_main, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
                TerminateProcess(m_process.hProcess, 1);
        }
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }

    // Starts vorlen, logs in as the first operator and waits for the main window.
    bool Start()
    {
        STARTUPINFOA startup = {sizeof startup};
        std::string exe = m_folder + "vorlen.exe";
        std::string commandLine = "\"" + exe + "\"";
        if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            m_folder.c_str(), &startup, &m_process))
            return Fail("cannot start " + exe);
        HWND login = WaitWindow("登陆对话框");
        if (login == nullptr)
            return Fail("no login dialog");
        SetItem(login, IDC_LOGIN_USER, "管理员");
        SetItem(login, IDC_LOGIN_PASSWORD, "739");
        Click(login, IDOK);
        m_main = WaitWindow("Vorlen v1.0");
        if (m_main == nullptr)
            return Fail("no main window after the login");
        std::string folderName = m_folder.substr(0, m_folder.size() - 1);
        folderName = folderName.substr(folderName.find_last_of('\\') + 1);
        m_linuxPid = LinuxPidOf("vorlen.exe", folderName);
        if (m_linuxPid == 0)
            return Fail("cannot find vorlen's Linux process");
        Idle();
        return true;
    }

    Figures Measure()
    {
        Idle();
        return ::Measure(m_process.hProcess, m_linuxPid);
    }

    // A menu command that opens a modal form: opens it, lets act do its work, and waits until
    // the form is gone and the main window takes commands again.
    bool Form(UINT command, const char* caption, const std::function<bool(HWND)>& act)
    {
        PostMessageA(m_main, WM_COMMAND, MAKEWPARAM(command, 0), 0);
        HWND form = WaitWindow(caption);
        std::string name = caption != nullptr ? caption : "a dialog box";
        if (form == nullptr)
            return Fail("the form did not open: " + name);
        if (!act(form))
            return false;
        if (!WaitFor([&] { return !IsWindow(form) && IsWindowEnabled(m_main); }))
            return Fail("the form did not close: " + name);
        return true;
    }

    // A menu command that only loads the grid: sent, so it has run when this returns.
    bool List(UINT command)
    {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(m_main, WM_COMMAND, MAKEWPARAM(command, 0), 0, SMTO_NORMAL,
                                 kTimeout, &result))
            return Fail("a list command did not finish");
        return true;
    }

    static void SetItem(HWND dialog, int id, const char* text)
    {
        SendMessageTimeoutA(GetDlgItem(dialog, id), WM_SETTEXT, 0, (LPARAM)text, SMTO_NORMAL,
                            kTimeout, nullptr);
    }
    static std::string Item(HWND dialog, int id)
    {
        char text[512] = {};
        SendMessageTimeoutA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, (LPARAM)text,
                            SMTO_NORMAL, kTimeout, nullptr);
        return text;
    }
    static void Click(HWND dialog, int id)
    {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     (LPARAM)GetDlgItem(dialog, id));
    }
    static bool WaitStatus(HWND form, const char* text)
    {
        return WaitFor([&] { return Item(form, IDC_STATUS) == text; });
    }

    static bool Fail(const std::string& why)
    {
        fprintf(stderr, "soak-forms: %s\n", why.c_str());
        return false;
    }

private:
    // Let vorlen reach its idle time (where the framework frees its temporary objects).
    void Idle()
    {
        WaitForInputIdle(m_process.hProcess, kTimeout);
        DWORD_PTR result = 0;
        SendMessageTimeoutA(m_main, WM_NULL, 0, 0, SMTO_NORMAL, kTimeout, &result);
        Sleep(100);
        WaitForInputIdle(m_process.hProcess, kTimeout);
    }

    // A shown, enabled top-level window of vorlen with this caption; null: any dialog box.
    HWND WaitWindow(const char* caption)
    {
        HWND found = nullptr;
        WaitFor([&] {
            struct Search
            {
                DWORD pid;
                const char* caption;
                HWND found;
            } search = {m_process.dwProcessId, caption, nullptr};
            EnumWindows(
                [](HWND hwnd, LPARAM param) -> BOOL {
                    Search* s = (Search*)param;
                    DWORD pid = 0;
                    GetWindowThreadProcessId(hwnd, &pid);
                    char text[256] = {};
                    if (s->caption == nullptr)
                        GetClassNameA(hwnd, text, sizeof text);
                    else
                        GetWindowTextA(hwnd, text, sizeof text);
                    if (pid == s->pid && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd) &&
                        strcmp(text, s->caption != nullptr ? s->caption : "#32770") == 0)
                    {
                        s->found = hwnd;
                        return FALSE;
                    }
                    return TRUE;
                },
                (LPARAM)&search);
            found = search.found;
            return found != nullptr;
        });
        return found;
    }

    std::string m_folder;
    PROCESS_INFORMATION m_process;
    HWND m_main = nullptr;
    long m_linuxPid = 0;
};

bool Cancel(HWND form)
{
    Vorlen::Click(form, IDCANCEL);
    return true;
}

bool Confirm(HWND form)
{
    Vorlen::Click(form, IDOK);
    return true;
}

// The card every tenth stock-in stores; the sale of the same round sells one box of it.
struct Card
{
    std::string expiry;
};

// One round: every form and dialog of the menus once, then every list. Returns the forms opened.
int Round(Vorlen& vorlen, int round, bool& ok)
{
    bool withCard = round % 10 == 0;
    Card card;
    int forms = 0;
    auto form = [&](UINT command, const char* caption, const std::function<bool(HWND)>& act) {
        if (ok)
            ok = vorlen.Form(command, caption, act);
        ++forms;
    };
    form(ID_SYSTEM_SETTINGS, "系统设置", Cancel);
    form(ID_PURCHASE_STOCK_IN, "入库登记表", [&](HWND dialog) {
        if (withCard)
        {
            const std::pair<int, const char*> fields[] = {
                {IDC_STOCKIN_BUYER, "张三"},           {IDC_STOCKIN_CATEGORY, "中成药"},
                {IDC_STOCKIN_SUBCATEGORY, "清热解毒"}, {IDC_STOCKIN_NUMBER, "SOAK"},
                {IDC_STOCKIN_NAME, "耐久测试颗粒"},    {IDC_STOCKIN_ORIGIN, "广州"},
                {IDC_STOCKIN_SPEC, "10袋/盒"},         {IDC_STOCKIN_BATCH, "B0001"},
                {IDC_STOCKIN_PRICE, "12.5"},           {IDC_STOCKIN_QUANTITY, "4"},
            };
            for (const auto& field : fields)
                Vorlen::SetItem(dialog, field.first, field.second);
            card.expiry = Vorlen::Item(dialog, IDC_STOCKIN_EXPIRY);
            Vorlen::Click(dialog, IDOK);
            if (!Vorlen::WaitStatus(dialog, "录入成功,登记卡信息已经被系统接纳"))
                return Vorlen::Fail("the stock-in card was not stored: " +
                                    Vorlen::Item(dialog, IDC_STATUS));
        }
        return Cancel(dialog);
    });
    form(ID_PURCHASE_QUERY, "采购查询", Confirm);
    form(ID_PURCHASE_MAINTAIN, "维护采购记录", Cancel);
    form(ID_STOCK_QUERY, "采购库存", Confirm);
    form(ID_STOCK_MAINTAIN, "维护库存记录", Cancel);
    form(ID_SALE_ADD, "前台销售登记表", [&](HWND dialog) {
        if (withCard)
        {
            Vorlen::SetItem(dialog, IDC_SALE_NAME, "耐久测试颗粒");
            Vorlen::SetItem(dialog, IDC_SALE_ORIGIN, "广州");
            Vorlen::SetItem(dialog, IDC_SALE_SPEC, "10袋/盒");
            Vorlen::SetItem(dialog, IDC_SALE_EXPIRY, card.expiry.c_str());
            Vorlen::SetItem(dialog, IDC_SALE_PRICE, "15");
            Vorlen::SetItem(dialog, IDC_SALE_QUANTITY, "1");
            Vorlen::Click(dialog, IDOK);
            if (!Vorlen::WaitStatus(dialog, "新的销售记录已经被系统接纳"))
                return Vorlen::Fail("the sale was not stored: " + Vorlen::Item(dialog, IDC_STATUS));
        }
        return Cancel(dialog);
    });
    form(ID_SALE_QUERY, "销售查询", Confirm);
    form(ID_SALE_MAINTAIN, "维护销售记录", Cancel);
    form(ID_REPORT_DAY_SALES, "日销售报表－汇总条件", Confirm);
    for (UINT command : {ID_REPORT_MONTH_SALES, ID_REPORT_YEAR_SALES, ID_REPORT_BAD_DEBTS,
                         ID_REPORT_MONTH_PURCHASES, ID_REPORT_YEAR_PURCHASES})
        form(command, "报表－汇总条件", Confirm);
    form(ID_APP_ABOUT, "关于", Cancel);
    // The platform's file dialog of 打印保存, whatever its caption.
    form(ID_SYSTEM_SAVE_HTML, nullptr, Cancel);
    for (UINT command :
         {ID_REPORT_EXPIRY, ID_REPORT_SHORTAGE, ID_REPORT_AVERAGE_COST, ID_REPORT_TOTAL_COST,
          ID_LIST_YEAR_PURCHASES, ID_LIST_STOCK, ID_LIST_TODAY_SALES, ID_SYSTEM_RELOAD})
        if (ok)
            ok = vorlen.List(command);
    return forms;
}

int SoakVorlen(std::string folder, int rounds)
{
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    Vorlen vorlen(folder);
    if (!vorlen.Start())
        return 1;
    Report report("vorlen.exe, every form and dialog of the menus and every list, each round");
    report.Row("start", 0, vorlen.Measure());
    int forms = 0;
    for (int round = 1; round <= rounds; ++round)
    {
        bool ok = true;
        forms += Round(vorlen, round, ok);
        if (!ok)
            return 1;
        report.Row(std::to_string(round).c_str(), forms, vorlen.Measure());
    }
    report.Summary();
    return 0;
}

// ---- the same templates in a bare dialog loop ----

bool g_releasePictures;

// Takes the image a picture control loaded from the template out of it, and frees it.
void ReleasePictures(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
    {
        char name[16] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, "Static") != 0 ||
            (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
            continue;
        HGDIOBJ image = (HGDIOBJ)SendMessageA(child, STM_SETIMAGE, IMAGE_BITMAP, 0);
        if (image != nullptr)
            DeleteObject(image);
    }
}

INT_PTR CALLBACK BareDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message)
    {
    case WM_INITDIALOG: PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, IDCANCEL);
        return TRUE;
    case WM_DESTROY:
        if (g_releasePictures)
            ReleasePictures(dialog);
        return FALSE;
    }
    return FALSE;
}

int SoakPlain(const char* tag, int rounds)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    long linuxPid = LinuxPidOf("soak_forms.exe", tag);
    if (linuxPid == 0)
    {
        Vorlen::Fail("cannot find this program's Linux process");
        return 1;
    }
    const int templates[] = {IDD_LOGIN,          IDD_MESSAGE,        IDD_STOCK_IN,
                             IDD_SALE,           IDD_SETTINGS,       IDD_PURCHASE_MAINTAIN,
                             IDD_STOCK_MAINTAIN, IDD_SALES_MAINTAIN, IDD_PURCHASE_QUERY,
                             IDD_SALES_QUERY,    IDD_STOCK_QUERY,    IDD_DAY_REPORT,
                             IDD_RANGE_REPORT,   IDD_ABOUTBOX};
    for (bool release : {false, true})
    {
        g_releasePictures = release;
        Report report(release
                          ? "plain Win32, vorlen's dialog templates, pictures released"
                          : "plain Win32, vorlen's dialog templates, as the platform leaves them");
        int forms = 0;
        report.Row("start", 0, Measure(GetCurrentProcess(), linuxPid));
        for (int round = 1; round <= rounds; ++round)
        {
            for (int id : templates)
            {
                DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr,
                                BareDialog, 0);
                ++forms;
            }
            report.Row(std::to_string(round).c_str(), forms,
                       Measure(GetCurrentProcess(), linuxPid));
        }
        report.Summary();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    if (argc >= 3 && strcmp(argv[1], "--plain") == 0)
        return SoakPlain(argv[2], argc > 3 ? atoi(argv[3]) : 200);
    if (argc < 2)
    {
        fprintf(stderr, "usage: soak_forms <vorlen folder> [rounds] | --plain <tag> [rounds]\n");
        return 2;
    }
    return SoakVorlen(argv[1], argc > 2 ? atoi(argv[2]) : 200);
}
