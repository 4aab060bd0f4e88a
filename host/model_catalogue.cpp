// Describes the model builds from the profile table and the media size lists the settings
// plug-in is built from, so the descriptions cannot drift from the builds themselves.
#include "host/model_catalogue.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <vector>

#include "platform/utf.h"
#include "ps_ui/code/media_sizes.h"
#include "ps_ui/code/model_profiles.h"

namespace {

const ModelProfile& ProfileOf(int build) {
    if (build < 1 || build > static_cast<int>(kModelBuildCount))
        throw std::out_of_range("model build number " + std::to_string(build) + " is not 1 to 20");
    return kModelProfiles[build - 1];
}

const char* InboxItemText(InboxItemKind kind) {
    switch (kind) {
    case InboxItemKind::Inbox: return "Inbox";
    case InboxItemKind::DirectPrint: return "DirectPrint";
    case InboxItemKind::InboxWithheld: return "InboxWithheld";
    }
    return "?";
}

const char* AccountingItemText(AccountingItemKind kind) {
    switch (kind) {
    case AccountingItemKind::Offered: return "Offered";
    case AccountingItemKind::Withheld: return "Withheld";
    case AccountingItemKind::OfferedUntilFocus: return "OfferedUntilFocus";
    }
    return "?";
}

std::string LabelText(const MediaSizeTable& list, DWORD position) {
    return Utf8FromUtf16(MediaSizeLabelAt(list, position));
}

// Width on a terminal: UTF-8 continuation bytes take no column.
std::size_t ColumnsOf(const std::string& text) {
    std::size_t columns = 0;
    for (unsigned char byte : text)
        if ((byte & 0xC0) != 0x80) ++columns;
    return columns;
}

using TextRow = std::vector<std::string>;

void AppendTable(std::string& out, const std::vector<TextRow>& rows) {
    std::vector<std::size_t> widths;
    for (const TextRow& row : rows) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], ColumnsOf(row[i]));
    }
    for (const TextRow& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) line.append(widths[i] - ColumnsOf(row[i]) + 2, ' ');
        }
        out += line + '\n';
    }
}

std::string YesNo(bool value) { return value ? "yes" : "no"; }

}  // namespace

std::optional<int> ModelBuildNumber(std::string_view name) {
    if (name.size() != 6) return std::nullopt;
    static constexpr std::string_view kPrefix = "kvui";
    for (std::size_t i = 0; i < kPrefix.size(); ++i) {
        char letter = name[i];
        if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
        if (letter != kPrefix[i]) return std::nullopt;
    }
    const char tens = name[4];
    const char units = name[5];
    if (tens < '0' || tens > '9' || units < '0' || units > '9') return std::nullopt;
    const int build = (tens - '0') * 10 + (units - '0');
    if (build < 1 || build > static_cast<int>(kModelBuildCount)) return std::nullopt;
    return build;
}

std::string ModelBuildName(int build) {
    static_cast<void>(ProfileOf(build));  // rejects numbers that are no build
    return std::string(build < 10 ? "kvui0" : "kvui") + std::to_string(build);
}

nlohmann::ordered_json ModelDescription(int build) {
    const ModelProfile& profile = ProfileOf(build);
    const MediaSizeTable& list = MediaSizeListNumber(profile.MediaSizeList);

    nlohmann::ordered_json sizes = nlohmann::ordered_json::array();
    for (DWORD position = 0; position < list.count; ++position)
        sizes.push_back({{"code", MediaSizeCodeAt(list, position)}, {"label", LabelText(list, position)}});

    nlohmann::ordered_json description = nlohmann::ordered_json::object();
    description["build"] = ModelBuildName(build);
    description["InboxItem"] = InboxItemText(profile.InboxItem);
    description["AccountingItem"] = AccountingItemText(profile.AccountingItem);
    description["MediaTypeItemOffered"] = profile.MediaTypeItemOffered;
    description["FoldTemplateItemOffered"] = profile.FoldTemplateItemOffered;
    description["FolderBinChoice"] =
        profile.FolderBinChoice ? nlohmann::ordered_json(*profile.FolderBinChoice) : nlohmann::ordered_json(nullptr);
    description["ForceDriverColour"] = profile.ForceDriverColour;
    description["RotationChoices"] = profile.RotationChoices;
    description["MediaSizeList"] = profile.MediaSizeList;
    description["DefaultRotation"] = profile.DefaultRotation;
    description["DefaultAlignment"] = profile.DefaultAlignment;
    description["DefaultScalingMode"] = profile.DefaultScalingMode;
    description["DefaultCutLength"] = profile.DefaultCutLength;
    description["CopiesMax"] = profile.CopiesMax;
    description["CutLengthMin"] = profile.CutLengthMin;
    description["CutLengthMax"] = profile.CutLengthMax;
    description["ZoomXMin"] = profile.ZoomXMin;
    description["ZoomYMin"] = profile.ZoomYMin;
    description["ZoomMax"] = profile.ZoomMax;
    description["ShiftVerticalLimit"] = profile.ShiftVerticalLimit;
    description["ShiftHorizontalLimit"] = profile.ShiftHorizontalLimit;
    description["MediaSizes"] = std::move(sizes);
    return description;
}

nlohmann::ordered_json ModelCatalogue() {
    nlohmann::ordered_json catalogue = nlohmann::ordered_json::array();
    for (int build = 1; build <= static_cast<int>(kModelBuildCount); ++build)
        catalogue.push_back(ModelDescription(build));
    return catalogue;
}

std::string ModelCatalogueText() {
    std::string out = "Items of the document properties\n\n";
    std::vector<TextRow> items = {{"Build", "Item 2", "Accounting", "Media types", "Fold templates", "Folder bin",
                                   "Driver colour", "Rotations", "Media sizes"}};
    for (int build = 1; build <= static_cast<int>(kModelBuildCount); ++build) {
        const ModelProfile& p = ProfileOf(build);
        const std::string inbox = p.InboxItem == InboxItemKind::DirectPrint ? "Direct Print"
                                  : p.InboxItem == InboxItemKind::Inbox     ? "Send to inbox"
                                                                            : "Send to inbox (withheld)";
        const std::string accounting = p.AccountingItem == AccountingItemKind::Offered    ? "offered"
                                       : p.AccountingItem == AccountingItemKind::Withheld ? "withheld"
                                                                                          : "until first focus";
        items.push_back({ModelBuildName(build), inbox, accounting, YesNo(p.MediaTypeItemOffered),
                         YesNo(p.FoldTemplateItemOffered),
                         p.FolderBinChoice ? "choice " + std::to_string(*p.FolderBinChoice) : "none",
                         p.ForceDriverColour ? "forced" : "free", std::to_string(p.RotationChoices),
                         "list " + std::to_string(p.MediaSizeList) + " (" +
                             std::to_string(MediaSizeListNumber(p.MediaSizeList).count) + ")"});
    }
    AppendTable(out, items);

    out += "\nDefaults and limits (mm, percent)\n\n";
    std::vector<TextRow> limits = {{"Build", "Rotation", "Alignment", "Scaling", "Cut length", "Copies",
                                    "Cut length range", "Zoom X", "Zoom Y", "Shift vertical", "Shift horizontal"}};
    for (int build = 1; build <= static_cast<int>(kModelBuildCount); ++build) {
        const ModelProfile& p = ProfileOf(build);
        limits.push_back({ModelBuildName(build), p.DefaultRotation == 1 ? "0°" : "printer default",
                          p.DefaultAlignment == 5 ? "center" : "printer default",
                          p.DefaultScalingMode == 1 ? "to custom size" : "printer default",
                          std::to_string(p.DefaultCutLength), "1-" + std::to_string(p.CopiesMax),
                          std::to_string(p.CutLengthMin) + "-" + std::to_string(p.CutLengthMax),
                          std::to_string(p.ZoomXMin) + "-" + std::to_string(p.ZoomMax),
                          std::to_string(p.ZoomYMin) + "-" + std::to_string(p.ZoomMax),
                          "±" + std::to_string(p.ShiftVerticalLimit), "±" + std::to_string(p.ShiftHorizontalLimit)});
    }
    AppendTable(out, limits);

    for (const MediaSizeTable& list : kMediaSizeLists) {
        std::string builds;
        for (int build = 1; build <= static_cast<int>(kModelBuildCount); ++build) {
            if (ProfileOf(build).MediaSizeList != list.list) continue;
            builds += (builds.empty() ? "" : ", ") + ModelBuildName(build);
        }
        out += "\nMedia size list " + std::to_string(list.list) + " (" + builds + "), " +
               std::to_string(list.count) + " entries: position, code, label\n\n";
        std::vector<TextRow> sizes;
        for (DWORD position = 0; position < list.count; ++position)
            sizes.push_back({std::to_string(position), std::to_string(MediaSizeCodeAt(list, position)),
                             LabelText(list, position)});
        AppendTable(out, sizes);
    }
    return out;
}
