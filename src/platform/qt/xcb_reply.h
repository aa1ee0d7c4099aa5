#pragma once
// An X server's reply, freed with the C library's free() as xcb asks.
#include <cstdlib>
#include <memory>

namespace tidemark {

struct XcbReplyFree {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, XcbReplyFree>;

}  // namespace tidemark
