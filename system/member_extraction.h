#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/archive/far_archive.h"
#include "model/archive/member_path.h"

namespace tarnwick {

// What became of one member.
enum class ExtractionOutcome : std::uint8_t { Written, Renamed, Refused };

struct ExtractedMember {
    std::string name;  // as the archive stores it
    std::string path;  // where it was written, relative to the folder; empty when refused
    ExtractionOutcome outcome = ExtractionOutcome::Refused;
    std::string reason;  // why it was renamed or refused
};

// Where each member would go, and whether something is already there, so a
// window can ask once before anything is replaced.
struct ExtractionTarget {
    MemberPath path;
    bool exists = false;  // a file, folder or link of that name is already in the folder
};

[[nodiscard]] std::vector<ExtractionTarget> PlanExtraction(const FarManifest& manifest,
                                                           const std::string& folder);

struct ExtractionOptions {
    // Asked for each target that is already there (its relative path): true
    // replaces it. By default nothing is replaced.
    std::function<bool(const std::string& path)> replaceExisting = [](const std::string&) { return false; };
    // Called after each member with the number done; false stops the run.
    std::function<bool(std::size_t done)> progress = [](std::size_t) { return true; };
};

// Writes every member under `folder` (which must exist), each whole or not at
// all, never outside it: a folder of a member's path that is a link is not
// followed, and the member is refused. The list says what became of each
// member, in the manifest's order; members after a stop are not listed.
[[nodiscard]] std::vector<ExtractedMember> ExtractAll(const std::string& archivePath,
                                                      const FarManifest& manifest, const std::string& folder,
                                                      const ExtractionOptions& options = {});

// Writes one member to the path a user chose, whole or not at all; a file
// there is replaced only when `replaceExisting` says so.
[[nodiscard]] ExtractedMember SaveMemberAs(const std::string& archivePath, const FarMember& member,
                                           const std::string& targetPath, bool replaceExisting);

// The platform's part. Writes `bytes` as `relativePath` (parts joined by
// '/', made by SafeMemberPath) under `folder`, through a temporary file in
// the target's folder renamed into place; makes the folders on the way and
// follows no link among them. Returns the reason it could not, or empty.
[[nodiscard]] std::string WriteInsideFolder(const std::string& folder, const std::string& relativePath,
                                            const std::vector<std::uint8_t>& bytes, bool replaceExisting);

// Whether something of that relative path is in the folder, links not followed.
[[nodiscard]] bool ExistsInsideFolder(const std::string& folder, const std::string& relativePath);

// Splits a chosen path into its folder and its last part.
void SplitChosenPath(const std::string& path, std::string& folder, std::string& name);

// The reason WriteInsideFolder gives for a target that is there and kept.
inline constexpr const char* kAlreadyThere = "a file of that name is already there, and was kept";

}  // namespace tarnwick
