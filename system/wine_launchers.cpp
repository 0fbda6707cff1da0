#include "system/wine_launchers.h"

#include <yaml-cpp/yaml.h>

#include "system/text_file.h"

namespace tarnwick {

namespace {

// The text of a scalar under the keys, or empty for anything else: a file
// written by hand may hold a list or a map where a path belongs.
std::string ScalarAt(const YAML::Node& root, std::initializer_list<const char*> keys)
{
    // reset() moves the handle: plain assignment would overwrite the node itself,
    // and only the const operator[] looks a key up without adding it.
    YAML::Node node;
    node.reset(root);
    for (const char* key : keys) {
        if (!node.IsMap())
            return {};
        const YAML::Node& map = node;
        const YAML::Node child = map[key];
        // A missing key gives a node that throws on any use but this question.
        if (!child.IsDefined())
            return {};
        node.reset(child);
    }
    return node.IsScalar() ? node.Scalar() : std::string();
}

// Parses the text whole; the library refuses nesting beyond its own bound.
std::optional<YAML::Node> Parse(std::string_view text, std::string& error)
{
    try {
        return YAML::Load(std::string(text));
    } catch (const YAML::Exception& exception) {
        error = "line " + std::to_string(exception.mark.line + 1) + ": " + exception.msg;
    } catch (const std::exception& exception) {
        error = exception.what();
    }
    return std::nullopt;
}

}  // namespace

LutrisGame ReadLutrisGame(std::string_view text)
{
    LutrisGame game;
    const auto root = Parse(text, game.Error);
    if (!root)
        return game;
    game.Prefix = ScalarAt(*root, {"game", "prefix"});
    game.Exe = ScalarAt(*root, {"game", "exe"});
    return game;
}

LutrisGame LoadLutrisGame(const std::filesystem::path& file)
{
    const TextFileRead read = ReadTextFile(file, kLauncherFileMaxSize);
    if (!read.Error.empty())
        return {{}, {}, read.Error};
    return ReadLutrisGame(read.Text);
}

BottlesData ReadBottlesData(std::string_view text)
{
    BottlesData data;
    const auto root = Parse(text, data.Error);
    if (root)
        data.CustomBottlesPath = ScalarAt(*root, {"custom_bottles_path"});
    return data;
}

BottlesData LoadBottlesData(const std::filesystem::path& file)
{
    const TextFileRead read = ReadTextFile(file, kLauncherFileMaxSize);
    if (!read.Error.empty())
        return {{}, read.Error};
    return ReadBottlesData(read.Text);
}

}  // namespace tarnwick
