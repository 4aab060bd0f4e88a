// A description of the twenty settings builds for the command-line program: each build's model
// profile and offered media sizes as JSON, as a text table for a person choosing a build, and
// the mapping between build names ("kvui07") and numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

// 7 for "kvui07" (letters in any case); nothing for a name that is not one of the twenty builds.
std::optional<int> ModelBuildNumber(std::string_view name);

// "kvui07" for 7. The number must be 1 to 20.
std::string ModelBuildName(int build);

// One build, members in this order: {"build": "kvui01", every profile setting by its name, "MediaSizes": [{"code",
// "label"}, ...] in list order}. FolderBinChoice is null for builds without a folder bin.
nlohmann::ordered_json ModelDescription(int build);

// The descriptions of all twenty builds, in build order.
nlohmann::ordered_json ModelCatalogue();

// The same as readable text: the item settings and the defaults and limits of every build, one
// line per build, then each media size list with the builds that offer it.
std::string ModelCatalogueText();
