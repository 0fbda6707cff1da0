// Where the cache lives, by the environment.
#include "system/cache_folder.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

struct CacheRow {
    const char* name;
    std::map<std::string, std::string> variables;
    std::string folder;
};

class CacheFolder : public testing::TestWithParam<CacheRow> {};

TEST_P(CacheFolder, FollowsTheEnvironment)
{
    SearchPlaces places;
    places.Home = "/home/ann";
    places.Variable = [&](std::string_view name) {
        const auto found = GetParam().variables.find(std::string(name));
        return found == GetParam().variables.end() ? std::string() : found->second;
    };
    EXPECT_EQ(UserCacheFolder(places).generic_string(), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    Places, CacheFolder,
    testing::Values(CacheRow{"home", {}, "/home/ann/.cache/tarnwick"},
                    CacheRow{"named", {{"XDG_CACHE_HOME", "/fast/cache"}}, "/fast/cache/tarnwick"},
                    CacheRow{
                        "relative name ignored", {{"XDG_CACHE_HOME", "cache"}}, "/home/ann/.cache/tarnwick"}),
    fixtures::RowName());

}  // namespace
}  // namespace tarnwick
