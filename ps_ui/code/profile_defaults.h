// The record defaults a settings build writes, derived from its model profile: the default
// selections of the rotation, alignment and scaling items and the default cut length come from
// the profile, everything else is the same in every build.
#pragma once

#include "common/record_defaults.h"
#include "ps_ui/code/model_profiles.h"

RecordDefaults RecordDefaultsFor(const ModelProfile& profile);
