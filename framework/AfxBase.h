// Basic types and diagnostic macros shared by every framework class (ANSI build, Win32 headers).
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// Seen by every file: its A/W macros rename members such as CFile::GetFileTitle, which must be renamed everywhere alike.
#include <commdlg.h>
#include <tchar.h>

// The 16-bit name of GetTickCount would rename CTime::GetCurrentTime.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif
#include <stddef.h>

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#ifndef AFX_STATIC
#define AFX_STATIC static
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif

// Diagnostics compile away: release and debug builds must behave the same under test.
#ifndef TRACE
#define TRACE(...) ((void)0)
#define TRACE0(s) ((void)0)
#define TRACE1(s, a) ((void)0)
#define TRACE2(s, a, b) ((void)0)
#define TRACE3(s, a, b, c) ((void)0)
#endif
#ifndef ASSERT
#define ASSERT(f) ((void)0)
#endif
#ifndef VERIFY
#define VERIFY(f) ((void)(f))
#endif
#ifndef ASSERT_VALID
#define ASSERT_VALID(p) ((void)0)
#endif
#ifndef ASSERT_KINDOF
#define ASSERT_KINDOF(cls, p) ((void)0)
#endif
#ifndef DEBUG_ONLY
#define DEBUG_ONLY(f) ((void)0)
#endif
#ifndef UNUSED
#define UNUSED(x)
#endif
#ifndef UNUSED_ALWAYS
#define UNUSED_ALWAYS(x) (void)(x)
#endif
#ifndef _countof
#define _countof(a) (sizeof(a) / sizeof((a)[0]))
#endif

// Iteration handle of the lists and maps.
struct __POSITION
{};
typedef __POSITION* POSITION;

// Module whose resources CString::LoadString and resource loads read; the exe unless the window layer sets another.
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
