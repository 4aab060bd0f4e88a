// The per-PDEV block the render plug-in creates in EnablePDEV and the driver keeps in
// DEVOBJ.pdevOEM: the driver's own DrvStartDoc, which the start-of-document hook calls on.
#pragma once

#include "platform/win.h"

struct OemPdev {
    PFN_DrvStartDoc DrvStartDoc;
};
