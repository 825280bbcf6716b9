#include "tests/support/UnwritableFolder.h"
#include "tests/support/TestDatabase.h"
#include <windows.h>

UnwritableFolder::UnwritableFolder(const std::string& windowsFolder)
    : m_folder(windowsFolder), m_unwritable(false), m_probeLeft(false)
{
    if (!m_folder.empty() && m_folder.back() != '\\')
        m_folder += '\\';
    m_unixFolder = TestDatabase::DriverPath(m_folder);
    if (m_unixFolder.empty() || m_unixFolder[0] != '/')
        return;
    RunUnix("/bin/chmod a-w \"" + m_unixFolder + "\"");
    RunUnix("/usr/bin/chattr +i \"" + m_unixFolder + "\"");
    m_unwritable = WaitUntilWritable(false);
}

UnwritableFolder::~UnwritableFolder()
{
    if (m_unixFolder.empty() || m_unixFolder[0] != '/')
        return;
    RunUnix("/usr/bin/chattr -i \"" + m_unixFolder + "\"");
    RunUnix("/bin/chmod u+w \"" + m_unixFolder + "\"");
    WaitUntilWritable(true);
    if (m_probeLeft)
        DeleteFileA((m_folder + "vorlen-probe.tmp").c_str());
}

bool UnwritableFolder::CanCreateFile() const
{
    std::string probe = m_folder + "vorlen-probe.tmp";
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    // The folder may have become unwritable since: then the probe stays until the folder is writable again.
    if (!DeleteFileA(probe.c_str()))
        m_probeLeft = true;
    return true;
}

void UnwritableFolder::RunUnix(const std::string& commandLine)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string command = commandLine;
    if (CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
    {
        if (pi.hProcess != NULL)
        {
            WaitForSingleObject(pi.hProcess, 5000);
            CloseHandle(pi.hProcess);
        }
        if (pi.hThread != NULL)
            CloseHandle(pi.hThread);
    }
}

bool UnwritableFolder::WaitUntilWritable(bool writable) const
{
    for (int i = 0; i < 250; ++i)
    {
        if (CanCreateFile() == writable)
            return true;
        Sleep(20);
    }
    return false;
}
