// Makes a folder one that files cannot be created in, for as long as the object lives, as far as the platform lets a test.
#pragma once
#include <string>

class UnwritableFolder
{
public:
    // Under Wine the folder's Unix permissions are taken away, and for root, whom they do not stop,
    // the folder is made immutable as well.
    explicit UnwritableFolder(const std::string& windowsFolder);
    ~UnwritableFolder();

    // False when the platform gave the test no way: the test should then skip.
    bool IsUnwritable() const { return m_unwritable; }

private:
    bool CanCreateFile() const;
    // Starts a Unix command; Wine gives no handle to wait on, so callers poll for its effect.
    static void RunUnix(const std::string& commandLine);
    bool WaitUntilWritable(bool writable) const;

    std::string m_folder;
    std::string m_unixFolder;
    bool m_unwritable;
    mutable bool m_probeLeft;
};
