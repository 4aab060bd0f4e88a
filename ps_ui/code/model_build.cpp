// The profile of this build, chosen by KV_MODEL_BUILD when the build is made. Nothing at run
// time picks or changes it.
#include "ps_ui/code/build_profile.h"
#include "ps_ui/code/profile_defaults.h"

#ifndef KV_MODEL_BUILD
#error "KV_MODEL_BUILD must name the model build (1 to 20)"
#endif
static_assert(KV_MODEL_BUILD >= 1 && KV_MODEL_BUILD <= kModelBuildCount, "KV_MODEL_BUILD must be 1 to 20");

namespace {
constexpr const ModelProfile& kProfile = kModelProfiles[KV_MODEL_BUILD - 1];
constexpr const MediaSizeTable& kMediaSizes = MediaSizeListNumber(kProfile.MediaSizeList);
}  // namespace

const ModelProfile& BuildProfile() { return kProfile; }

RecordDefaults BuildRecordDefaults() { return RecordDefaultsFor(kProfile); }

const MediaSizeTable& BuildMediaSizeList() { return kMediaSizes; }

DWORD BuildMediaSizeCodeAt(DWORD position) { return MediaSizeCodeAt(kMediaSizes, position); }

DWORD BuildMediaSizePositionOf(DWORD code) { return MediaSizePositionOf(kMediaSizes, code); }
