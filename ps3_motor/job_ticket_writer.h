// The job ticket writer: answers the driver's injection points with the begin sequence (markers,
// byte-order mark, ticket) and the end marker, written through IPrintOemDriverPS.
#pragma once

#include "platform/win.h"

// The body of IPrintOemPS::Command. False (nothing written) when the DEVOBJ, the driver
// interface or a valid record with the job ticket on is missing; true otherwise.
bool JobTicketWriter(DEVOBJ* devobj, DWORD injectionPoint, IPrintOemDriverPS* driver);
