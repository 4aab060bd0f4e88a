// What differs between the twenty settings builds: each build compiles model_build.cpp with its
// own KV_MODEL_BUILD number, and everything else in the settings plug-in asks these functions.
#pragma once

#include "common/record_defaults.h"
#include "ps_ui/code/media_sizes.h"
#include "ps_ui/code/model_profiles.h"

// The profile of this build.
const ModelProfile& BuildProfile();

// The record defaults of this build.
RecordDefaults BuildRecordDefaults();

// The media size list of this build (item 10).
const MediaSizeTable& BuildMediaSizeList();

// Position in this build's media size list -> code; 0 for anything that is not a position.
DWORD BuildMediaSizeCodeAt(DWORD position);

// Code -> position in this build's media size list; 0 for a code the list does not hold.
DWORD BuildMediaSizePositionOf(DWORD code);
