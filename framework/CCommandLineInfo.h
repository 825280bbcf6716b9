// The parsed command line of a document program: which shell command to run and on which file.
#pragma once
#include "framework/CObject.h"
#include "framework/CString.h"

class CCommandLineInfo : public CObject
{
public:
    CCommandLineInfo();
    virtual ~CCommandLineInfo();

    // Called for each argument; bFlag when it began with '-' or '/' (which is removed).
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;

    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppUnregister,
        FileNothing = -1
    } m_nShellCommand;

    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

protected:
    void ParseParamFlag(LPCTSTR pszParam);
    void ParseParamNotFlag(LPCTSTR pszParam);
    void ParseLast(BOOL bLast);
};
