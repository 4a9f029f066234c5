// UTF-8 to Latin-1; see latin1.h.
#include "platform/latin1.h"

namespace platform {

namespace {

// The length of the UTF-8 sequence that starts with lead, or 0 for a byte that cannot
// start one.
size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

bool continuationBytes(std::string_view s, size_t from, size_t count) {
    if (from + count > s.size())
        return false;
    for (size_t i = from; i < from + count; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return false;
    return true;
}

} // namespace

bool AppendLatin1(std::string_view utf8, std::string& out) {
    bool clean = true;
    size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = sequenceLength(lead);
        if (length == 0 || !continuationBytes(utf8, i + 1, length - 1)) {
            clean = false;
            ++i;
            continue;
        }
        if (length == 1) {
            out += char(lead);
        } else if (length == 2 && lead >= 0xC2 && lead <= 0xC3) {
            // U+0080..U+00FF: 110000xx 10yyyyyy -> xxyyyyyy
            const unsigned char low = static_cast<unsigned char>(utf8[i + 1]) & 0x3F;
            out += char(((lead & 0x03) << 6) | low);
        } else {
            clean = false; // overlong (0xC0, 0xC1) or beyond Latin-1
        }
        i += length;
    }
    return clean;
}

} // namespace platform
