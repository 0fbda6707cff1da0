#pragma once

#include <optional>
#include <string>
#include <utility>

namespace tarnwick {

// What a content decoder gives: the value it read, or the one line that says
// why it could not read the chunk at all (the view then shows the hex dump
// with that line above it).
template <typename Value>
struct Decoded {
    std::optional<Value> value;
    std::string declined;

    static Decoded Decline(std::string why) { return {std::nullopt, std::move(why)}; }
    static Decoded Of(Value read) { return {std::move(read), {}}; }
};

}  // namespace tarnwick
