#pragma once
namespace tidemark {

// The user the program runs as, to compare with a folder's owner.
unsigned currentUserId();

}  // namespace tidemark
