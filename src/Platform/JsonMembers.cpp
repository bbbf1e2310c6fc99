#include "Platform/JsonMembers.h"

namespace quillorbitex {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The length of the UTF-8 sequence that starts at `at`, or 0 when the bytes there are not UTF-8:
// a stray continuation byte, a cut-off sequence, an overlong form, a surrogate or a value beyond
// U+10FFFF, as JSON readers refuse them.
int sequenceLength(const char* bytes, qsizetype size, qsizetype at) {
    const auto byte = [bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return 1;
    }
    int length = 0;
    // The second byte's range; the later ones are plain continuation bytes.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0xC2) {
        return 0;
    }
    if (lead < 0xE0) {
        length = 2;
    } else if (lead < 0xF0) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead < 0xF5) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (size - at < length || byte(at + 1) < low || byte(at + 1) > high) {
        return 0;
    }
    for (int i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

}  // namespace

std::optional<JsonMembers> JsonMembers::split(const QByteArray& text, char open) {
    const char close = open == '{' ? '}' : ']';
    JsonMembers result;
    // Shared until a byte has to be made blank.
    result.text_ = text;
    const char* bytes = text.constData();
    const qsizetype size = text.size();
    int depth = 0;
    bool closed = false;
    Range current;
    qsizetype i = 0;
    while (i < size) {
        const char c = bytes[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            const int length = sequenceLength(bytes, size, i);
            if (length == 0) {
                result.hasInvalidBytes_ = true;
                result.text_[i] = ' ';
                ++i;
                continue;
            }
            if (depth == 0) {
                return std::nullopt;
            }
            i += length;
            continue;
        }
        if (depth == 0) {
            if (!isBlank(c)) {
                if (closed || c != open) {
                    return std::nullopt;
                }
                depth = 1;
                current = Range{i + 1, i + 1, false};
            }
            ++i;
            continue;
        }
        switch (c) {
            case '"':
                // On to the closing quote. JSON texts hold no line breaks or other control
                // characters, so one that does has lost its closing quote.
                for (++i;; ++i) {
                    if (i >= size) {
                        return std::nullopt;
                    }
                    const auto b = static_cast<unsigned char>(bytes[i]);
                    if (b == '"') {
                        break;
                    }
                    if (b < 0x20) {
                        return std::nullopt;
                    }
                    if (b == '\\' && i + 1 < size &&
                        static_cast<unsigned char>(bytes[i + 1]) >= 0x20 &&
                        static_cast<unsigned char>(bytes[i + 1]) < 0x80) {
                        ++i;
                    } else if (b >= 0x80) {
                        const int length = sequenceLength(bytes, size, i);
                        if (length == 0) {
                            result.hasInvalidBytes_ = true;
                            current.spoiled = true;
                        } else {
                            i += length - 1;
                        }
                    }
                }
                break;
            case '{':
            case '[':
                ++depth;
                break;
            case '}':
            case ']':
                if (--depth == 0) {
                    if (c != close) {
                        return std::nullopt;
                    }
                    closed = true;
                    current.end = i;
                    // An empty object or array has no member; an empty last member is kept, so
                    // that a trailing comma is read as the error it is.
                    bool empty = true;
                    for (qsizetype at = current.begin; at < current.end && empty; ++at) {
                        empty = isBlank(result.text_.at(at));
                    }
                    if (!result.ranges_.empty() || !empty) {
                        result.ranges_.push_back(current);
                    }
                }
                break;
            case ',':
                if (depth == 1) {
                    current.end = i;
                    result.ranges_.push_back(current);
                    current = Range{i + 1, i + 1, false};
                }
                break;
            default:
                break;
        }
        ++i;
    }
    if (!closed) {
        return std::nullopt;
    }
    return result;
}

std::vector<JsonMembers::Member> JsonMembers::members() const {
    std::vector<Member> members;
    members.reserve(ranges_.size());
    for (const Range& range : ranges_) {
        members.push_back(Member{QByteArrayView(text_).sliced(range.begin, range.end - range.begin),
                                 range.spoiled});
    }
    return members;
}

}  // namespace quillorbitex
