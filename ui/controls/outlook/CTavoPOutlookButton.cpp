#include "ui/controls/outlook/CTavoPOutlookButton.h"

IMPLEMENT_DYNCREATE(CTavoPOutlookButton, CTavoPToolbarButton)

CTavoPOutlookButton::CTavoPOutlookButton()
{}

CTavoPOutlookButton::~CTavoPOutlookButton()
{}
