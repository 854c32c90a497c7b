#ifndef TRACKERSEND_H
#define TRACKERSEND_H

#include <cstdint>
#include <functional>

// How an accessory exchange hands a request to the host: the message
// number and its two parameters, as ORV_Device_K4810::send takes them. An
// address passed in p1 stays valid for the call only; the exchange keeps
// the bytes until the call returns. The host may deliver the answer from
// inside the call: every exchange is in a consistent state before it sends.
using TrackerSend = std::function<void(uint32_t msgId, intptr_t p1, intptr_t p2)>;

#endif // TRACKERSEND_H
