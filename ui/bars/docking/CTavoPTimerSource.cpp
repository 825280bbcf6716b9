#include "ui/bars/docking/CTavoPTimerSource.h"

namespace {

CTavoPTimerSource g_windowTimers;
CTavoPTimerSource* g_pSource = &g_windowTimers;

}

CTavoPTimerSource& CTavoPTimerSource::Get()
{
    return *g_pSource;
}

CTavoPTimerSource* CTavoPTimerSource::Replace(CTavoPTimerSource* pSource)
{
    CTavoPTimerSource* pOld = g_pSource;
    g_pSource = pSource != NULL ? pSource : &g_windowTimers;
    return pOld;
}
