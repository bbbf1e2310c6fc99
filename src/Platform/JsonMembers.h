#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

namespace quillorbitex {

// The members of one JSON object (its "key": value pairs) or array (its elements), found in one
// pass over text that may hold bytes that are not UTF-8. A JSON reader refuses the whole text for
// one such byte; split into members, each can be read on its own, and only a member whose texts
// hold such bytes is lost. Bytes that are not UTF-8 between tokens carry nothing and read as
// blanks. The members are not checked further: a reader still refuses one that is not JSON.
class JsonMembers final {
public:
    struct Member {
        QByteArrayView text;
        // A text (a key or a string value) of the member holds bytes that are not UTF-8.
        bool spoiled = false;
    };

    // Nothing when `text` is not one object (`open` '{') or array (`open` '[') whose brackets and
    // texts close: a text that runs to the end of its line, a bracket left open or closed twice,
    // or anything but blanks around it.
    static std::optional<JsonMembers> split(const QByteArray& text, char open);

    // In order; none for an empty object or array.
    std::vector<Member> members() const;
    // Whether any byte of the text is not UTF-8, inside a member's texts or between tokens.
    bool hasInvalidBytes() const { return hasInvalidBytes_; }

private:
    struct Range {
        qsizetype begin = 0;
        qsizetype end = 0;
        bool spoiled = false;
    };

    // The text, with bytes that are not UTF-8 between tokens made blanks.
    QByteArray text_;
    std::vector<Range> ranges_;
    bool hasInvalidBytes_ = false;
};

}  // namespace quillorbitex
