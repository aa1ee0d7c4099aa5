#pragma once
// An X server's reply, freed with the C library's free() as xcb asks, and a
// connection of the program's own, closed with it.
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace tidemark {

struct XcbReplyFree {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, XcbReplyFree>;

struct XcbDisconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using XcbConnection = std::unique_ptr<xcb_connection_t, XcbDisconnect>;

}  // namespace tidemark
