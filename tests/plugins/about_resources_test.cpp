// The About page's dialog template and icon are resources of the settings plug-in file itself,
// found through the instance handle the page is described with (Windows build only: the native
// build has no resource sections).
#include <gtest/gtest.h>

#include "tests/plugins/plugin_library.h"

namespace {

TEST(AboutResources, TemplateAndIconAreInThePluginFile) {
    PluginLibrary library(KV_SETTINGS_PLUGIN_FILE);
    ASSERT_TRUE(library.loaded());
    EXPECT_NE(FindResourceW(library.module(), MAKEINTRESOURCEW(111), MAKEINTRESOURCEW(5) /* RT_DIALOG */), nullptr);
    EXPECT_NE(FindResourceW(library.module(), MAKEINTRESOURCEW(121), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */),
              nullptr);
}

}  // namespace
