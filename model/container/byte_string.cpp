#include "model/container/byte_string.h"

#include <algorithm>

namespace tarnwick {

ByteString::ByteString(std::vector<std::uint8_t> bytes)
    : owner_(std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes))), view_(*owner_)
{
}

ByteString ByteString::Slice(std::size_t offset, std::size_t length) const
{
    ByteString part;
    part.owner_ = owner_;
    part.view_ = ClampedSlice(view_, offset, length);
    return part;
}

ByteString ByteString::OwnCopy() const
{
    if (!owner_ || owner_->size() == view_.size())
        return *this;
    return ByteString(std::vector<std::uint8_t>(view_.begin(), view_.end()));
}

ByteSpan ClampedSlice(ByteSpan bytes, std::size_t offset, std::size_t length)
{
    if (offset >= bytes.size())
        return {};
    return bytes.subspan(offset, std::min(length, bytes.size() - offset));
}

std::string BytesAsText(ByteSpan bytes) { return {bytes.begin(), bytes.end()}; }

}  // namespace tarnwick
