#include "ui/foundation/CTavoPTask.h"

IMPLEMENT_DYNAMIC(CTavoPTask, CObject)

CTavoPTask::CTavoPTask() : m_rect(0, 0, 0, 0), m_nIcon(-1), m_bEnabled(TRUE)
{}

CTavoPTask::~CTavoPTask()
{}
